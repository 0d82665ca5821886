#include "common/CodePage.h"

#include <array>
#include <cstdint>

namespace vindel {
namespace {

// Bytes 0x80 to 0x9F of Windows-1252. The five bytes the code page leaves
// undefined map to the C1 control of the same value, so they survive a round
// trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Best-fit base letters for U+0100 to U+017F (Latin Extended-A); "?" where
// there is none. Letters the code page has itself never reach this table.
constexpr std::u16string_view kLatinExtendedA =
    u"AaAaAaCcCcCcCcDd"
    u"DdEeEeEeEeEeGgGg"
    u"GgGgHhHhIiIiIiIi"
    u"Ii??JjKkkLlLlLlL"
    u"lLlNnNnNnnNnOoOo"
    u"OoOoRrRrRrSsSsSs"
    u"SsTtTtTtUuUuUuUu"
    u"UuUuWwYyYZzZzZzs";

char EncodeOne(char16_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) {
        return static_cast<char>(ch);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == ch) {
            return static_cast<char>(0x80 + i);
        }
    }
    if (ch >= 0x100 && ch < 0x180) {
        return static_cast<char>(kLatinExtendedA[ch - 0x100]);
    }
    return '?';
}

bool IsHighSurrogate(char16_t ch) {
    return ch >= 0xD800 && ch <= 0xDBFF;
}
bool IsLowSurrogate(char16_t ch) {
    return ch >= 0xDC00 && ch <= 0xDFFF;
}

}  // namespace

std::string ToAnsi(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A character outside the basic plane is one "?", not two.
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            ++i;
            out.push_back('?');
            continue;
        }
        out.push_back(EncodeOne(text[i]));
    }
    return out;
}

std::u16string FromAnsi(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto b = static_cast<std::uint8_t>(byte);
        out.push_back(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t{b});
    }
    return out;
}

}  // namespace vindel
