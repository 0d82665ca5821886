// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace vindel::win32 {

// How a program outside Vindel (a test, an automation tool) reads what a
// form shows: labels have no windows to read. It sends the form the message
// registered under kShownTextsRequest, wParam its own window; the form
// answers, before the request returns, with a WM_COPYDATA to that window
// whose dwData is kShownTextsAnswer and whose data are the texts of the
// form's visible labels in the order they were made, UTF-16, each ended by
// a line feed.
inline constexpr wchar_t kShownTextsRequest[] = L"Vindel.ShownTexts";
inline constexpr ULONG_PTR kShownTextsAnswer = 0x56544558;  // "VTEX"

inline UINT ShownTextsRequestMessage() {
    static const UINT message = ::RegisterWindowMessageW(kShownTextsRequest);
    return message;
}

}  // namespace vindel::win32
