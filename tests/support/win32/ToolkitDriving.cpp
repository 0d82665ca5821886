// SPDX-License-Identifier: MIT
#include "ToolkitDriving.h"

namespace vindel::testing {

bool WaitUntil(win32::Win32Toolkit& toolkit, const std::function<bool()>& done,
               std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        toolkit.ProcessMessages();
        if (done())
            return true;
        if (std::chrono::steady_clock::now() >= end)
            return false;
        // Back as soon as a message comes, or shortly for conditions that
        // another thread or process changes.
        ::MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

void Type(win32::Win32Toolkit& toolkit, HWND target, std::u16string_view text) {
    for (const char16_t character : text)
        ::PostMessageW(target, WM_CHAR, character, 1);
    toolkit.ProcessMessages();
}

void PressKey(win32::Win32Toolkit& toolkit, UINT key) {
    const HWND target = ::GetFocus();
    const UINT scanCode = ::MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    ::PostMessageW(target, WM_KEYDOWN, key, 1 | static_cast<LPARAM>(scanCode) << 16);
    ::PostMessageW(target, WM_KEYUP, key,
                   1 | static_cast<LPARAM>(scanCode) << 16 | LPARAM{3} << 30);
    toolkit.ProcessMessages();
}

void Click(win32::Win32Toolkit& toolkit, HWND target, POINT at) {
    const LPARAM where = MAKELPARAM(at.x, at.y);
    ::PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, where);
    ::PostMessageW(target, WM_LBUTTONUP, 0, where);
    toolkit.ProcessMessages();
}

bool BringToFront(win32::Win32Toolkit& toolkit, HWND window) {
    ::SetForegroundWindow(window);
    return WaitUntil(toolkit, [window] { return ::GetForegroundWindow() == window; });
}

}  // namespace vindel::testing
