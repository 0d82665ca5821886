// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

namespace vindel {

// The integer of a settings line: leading blanks, an optional sign, then
// decimal digits or a hexadecimal number ("$1F", "x1F", "0x1F"). Anything
// else, trailing blanks included, raises EConvertError naming the whole line.
std::int32_t TextToInteger(std::u16string_view text);

}  // namespace vindel
