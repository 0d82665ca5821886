// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include "ui/Control.h"
#include "ui/TForm.h"
#include "ui/win32/Control.h"
#include "ui/win32/Form.h"
#include "ui/win32/Win32Toolkit.h"

// How the window tests written once reach the Win32 windows behind the
// interfaces: the toolkit they run on and each control's own window.
namespace vindel::testing {

// The toolkit MakeToolkit made last. Tests make one at a time, and use it
// only while it lives.
win32::Win32Toolkit& CurrentToolkit();
void SetCurrentToolkit(win32::Win32Toolkit* toolkit) noexcept;

// The Win32 control behind a control of the interfaces.
const win32::Control& Win32ControlOf(const Control& control);
HWND HandleOf(const Control& control);
// The window that takes the control's keys and mouse clicks: a combo box's
// edit box, any other control's own window.
HWND InputHandleOf(const Control& control);

const win32::Form& Win32FormOf(const TForm& window);
HWND HandleOf(const TForm& window);

}  // namespace vindel::testing
