// SPDX-License-Identifier: MIT
#include "ui/win32/LastError.h"

#include "common/Exception.h"
#include "common/Win32.h"

namespace vindel::win32 {
namespace {

[[noreturn]] void ThrowCode(std::u16string_view call, DWORD code) {
    std::u16string text(call);
    const std::u16string description = SystemErrorText(code);
    text += u" failed";
    if (!description.empty())
        text += u": " + description;
    throw Exception(text);
}

}  // namespace

void ThrowLastError(std::u16string_view call) {
    ThrowCode(call, ::GetLastError());
}

void ThrowResult(std::u16string_view call, HRESULT result) {
    ThrowCode(call, static_cast<DWORD>(result));
}

}  // namespace vindel::win32
