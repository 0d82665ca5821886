#pragma once

#include <string>
#include <string_view>

// Vindel's 8-bit code page: what the settings file is written in and what is
// typed to the switch. On Linux it is Windows-1252, for writing and reading
// alike, so that a file moves unchanged between the two platforms.
namespace vindel {

// UTF-16 to the code page. A character the code page lacks becomes its base
// letter where it is an accented Latin letter (best fit), else "?".
std::string ToAnsi(std::u16string_view text);

// The code page to UTF-16; every byte gives one character.
std::u16string FromAnsi(std::string_view bytes);

}  // namespace vindel
