// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string_view>

namespace vindel::win32 {

// A failed call of the platform as Vindel's failure: the call's name and the
// system's description of its error code.
[[noreturn]] void ThrowLastError(std::u16string_view call);
[[noreturn]] void ThrowResult(std::u16string_view call, HRESULT result);

}  // namespace vindel::win32
