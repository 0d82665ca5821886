// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Texts in memory are UTF-16 (std::u16string). These are the conversions to
// and from UTF-8 that the rest of Vindel needs.
namespace vindel {

// UTF-8 to UTF-16. Intended for literals and platform texts; an invalid
// sequence becomes U+FFFD.
std::u16string FromUtf8(std::string_view utf8);

// UTF-16 to UTF-8. An unpaired surrogate becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);

// Strict UTF-8 decoding: overlong forms, surrogates, code points above
// U+10FFFF and cut-off sequences make the whole decoding fail.
std::optional<std::u16string> DecodeUtf8Strict(std::string_view bytes);

// Decimal form of a signed integer, as printf's "%i" writes it.
std::u16string DecimalText(long long value);

}  // namespace vindel
