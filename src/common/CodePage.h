// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Vindel's 8-bit code page: what the settings file is written in and what is
// typed to the switch. On Windows it is the system's ANSI code page, read
// once at start (CodePageWin32.cpp). Elsewhere it is Windows-1252, for
// writing and reading alike, so that a file moves unchanged between the
// platforms (CodePagePosix.cpp).
namespace vindel {

// UTF-16 to the code page, as the platform's WideCharToMultiByte converts
// it. A character the code page lacks becomes the platform's best fit (an
// accented Latin letter its base letter), else the code page's default
// character, "?". In a double-byte code page one character can give two
// bytes; in Windows-1252 each UTF-16 code unit gives one.
std::string ToAnsi(std::u16string_view text);

// The code page to UTF-16: each byte, or each lead and trail byte pair of a
// double-byte code page, gives one character.
std::u16string FromAnsi(std::string_view bytes);

}  // namespace vindel
