// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Windows-1252 exactly as Windows converts it, on every platform: Vindel's
// code page where the system has none of its own (CodePagePosix.cpp), and what the
// Windows tests hold against the platform's conversion.
namespace vindel {

// Each UTF-16 code unit gives one byte, as WideCharToMultiByte(1252, 0, ...)
// gives it: the byte of the code page, else the platform's best fit (U+0110
// gives 0xD0, U+FF21 "A", U+2212 "-"), else "?". The two halves of a
// surrogate pair are converted one by one, so a character outside the basic
// plane gives "??", as on Windows.
std::string ToWindows1252(std::u16string_view text);

// Each byte gives one character. The five bytes the code page leaves
// undefined give the C1 control of the same value, as on Windows.
std::u16string FromWindows1252(std::string_view bytes);

}  // namespace vindel
