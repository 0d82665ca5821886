// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace vindel {

// The application title from the program file's path: the file name cut at
// its first period, every letter after the first in lower case. "Vindel"
// and "VINDEL.EXE" both give "Vindel".
std::u16string TitleFromProgramPath(std::u16string_view path);

}  // namespace vindel
