// SPDX-License-Identifier: MIT
#include "settings/TextToInteger.h"

#include <optional>
#include <string>

#include "common/Exception.h"

namespace vindel {
namespace {

std::optional<std::uint32_t> HexDigit(char16_t ch) {
    if (ch >= u'0' && ch <= u'9')
        return ch - u'0';
    if (ch >= u'a' && ch <= u'f')
        return ch - u'a' + 10;
    if (ch >= u'A' && ch <= u'F')
        return ch - u'A' + 10;
    return std::nullopt;
}

// Hexadecimal digits to 32 bits read as a signed value; the sign then negates
// (so "-$80000000" wraps back onto itself, as a 32-bit register would).
std::optional<std::int32_t> ParseHex(std::u16string_view digits, bool negative) {
    if (digits.empty())
        return std::nullopt;
    std::uint32_t value = 0;
    for (const char16_t ch : digits) {
        const auto digit = HexDigit(ch);
        if (!digit || value > 0x0FFFFFFFu)
            return std::nullopt;
        value = (value << 4) | *digit;
    }
    if (negative)
        value = 0u - value;
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> ParseDecimal(std::u16string_view digits, bool negative) {
    if (digits.empty())
        return std::nullopt;
    std::uint32_t value = 0;
    for (const char16_t ch : digits) {
        if (ch < u'0' || ch > u'9' || value > 214748364u)
            return std::nullopt;
        value = value * 10 + static_cast<std::uint32_t>(ch - u'0');
    }
    const std::uint32_t limit = negative ? 2147483648u : 2147483647u;
    if (value > limit)
        return std::nullopt;
    const auto magnitude = static_cast<std::int64_t>(value);
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::optional<std::int32_t> Parse(std::u16string_view text) {
    std::size_t pos = text.find_first_not_of(u' ');
    if (pos == std::u16string_view::npos)
        return std::nullopt;
    bool negative = false;
    if (text[pos] == u'+' || text[pos] == u'-') {
        negative = text[pos] == u'-';
        ++pos;
    }
    const std::u16string_view rest = text.substr(pos);
    if (rest.starts_with(u'$') || rest.starts_with(u'x') || rest.starts_with(u'X')) {
        return ParseHex(rest.substr(1), negative);
    }
    if (rest.starts_with(u"0x") || rest.starts_with(u"0X")) {
        return ParseHex(rest.substr(2), negative);
    }
    return ParseDecimal(rest, negative);
}

}  // namespace

std::int32_t TextToInteger(std::u16string_view text) {
    if (const auto value = Parse(text)) {
        return *value;
    }
    throw EConvertError(u"''" + std::u16string(text) + u"'' is not a valid integer value");
}

}  // namespace vindel
