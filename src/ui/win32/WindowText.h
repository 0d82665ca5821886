// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

namespace vindel::win32 {

// A window's text, whatever its length.
std::u16string WindowText(HWND window);

}  // namespace vindel::win32
