// SPDX-License-Identifier: MIT
#include "ToolkitDriving.h"

namespace vindel::win32::testing {

bool WaitUntil(Shell& shell, const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        shell.ProcessMessages();
        if (done())
            return true;
        if (std::chrono::steady_clock::now() >= end)
            return false;
        // Back as soon as a message comes, or shortly for conditions that
        // another thread or process changes.
        ::MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

void Type(Shell& shell, HWND target, std::u16string_view text) {
    for (const char16_t character : text)
        ::PostMessageW(target, WM_CHAR, character, 1);
    shell.ProcessMessages();
}

void PressKey(Shell& shell, UINT key) {
    const HWND target = ::GetFocus();
    const UINT scanCode = ::MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    ::PostMessageW(target, WM_KEYDOWN, key, 1 | static_cast<LPARAM>(scanCode) << 16);
    ::PostMessageW(target, WM_KEYUP, key,
                   1 | static_cast<LPARAM>(scanCode) << 16 | LPARAM{3} << 30);
    shell.ProcessMessages();
}

void Click(Shell& shell, HWND target, POINT at) {
    const LPARAM where = MAKELPARAM(at.x, at.y);
    ::PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, where);
    ::PostMessageW(target, WM_LBUTTONUP, 0, where);
    shell.ProcessMessages();
}

bool BringToFront(Shell& shell, HWND window) {
    ::SetForegroundWindow(window);
    return WaitUntil(shell, [window] { return ::GetForegroundWindow() == window; });
}

}  // namespace vindel::win32::testing
