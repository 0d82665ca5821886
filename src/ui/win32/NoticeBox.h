// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

namespace vindel::win32 {

// Which box shows a notice. Automatic: the system's task dialog where the
// platform offers it, else the small dialog; the others are for tests.
enum class NoticeStyle { Automatic, TaskDialog, SmallDialog };

// Whether the platform offers the task dialog: common controls version 6,
// which the program's manifest asks for, loaded in the process.
bool TaskDialogAvailable();

// A modal box with the caption, the text, no icon and one "OK" button, the
// default one; returns when the operator presses it or closes the box. The
// task dialog is centred in the work area of the monitor that holds `owner`,
// the small dialog on the screen.
void ShowNoticeBox(HWND owner, const std::u16string& caption, const std::u16string& text,
                   NoticeStyle style = NoticeStyle::Automatic);

}  // namespace vindel::win32
