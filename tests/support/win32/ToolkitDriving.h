// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string_view>

#include "ui/win32/Win32Toolkit.h"

namespace vindel::testing {

// Dispatches the program's messages, through the toolkit as its loop would,
// until `done` holds or `limit` has passed; says whether it holds.
bool WaitUntil(win32::Win32Toolkit& toolkit, const std::function<bool()>& done,
               std::chrono::milliseconds limit = std::chrono::seconds(20));

// Types into a window as the keyboard does, one WM_CHAR per character
// ('\b' is Backspace), and has the messages dispatched.
void Type(win32::Win32Toolkit& toolkit, HWND target, std::u16string_view text);

// Presses and releases a key that types no character (Return, Tab, Delete,
// the arrows) on the window with the focus, and has it dispatched.
void PressKey(win32::Win32Toolkit& toolkit, UINT key);

// Clicks the left mouse button at a point of a window's client area.
void Click(win32::Win32Toolkit& toolkit, HWND target, POINT at);

// Makes a window the foreground window, as the operator's click would, and
// waits until it is.
bool BringToFront(win32::Win32Toolkit& toolkit, HWND window);

}  // namespace vindel::testing
