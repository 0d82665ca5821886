// SPDX-License-Identifier: MIT
#include "ui/win32/ModalBoxScope.h"

#include "ui/win32/Form.h"
#include "ui/win32/Win32Toolkit.h"

namespace vindel::win32 {

ModalBoxScope::ModalBoxScope(Win32Toolkit& toolkit)
    : owner_(toolkit.BoxOwner()), active_before_(::GetActiveWindow()), focus_before_(::GetFocus()) {
    for (const Form* form : toolkit.Forms()) {
        const HWND window = form->Handle();
        if (window != owner_ && ::IsWindowEnabled(window)) {
            ::EnableWindow(window, FALSE);
            disabled_.push_back(window);
        }
    }
}

ModalBoxScope::~ModalBoxScope() {
    for (const HWND window : disabled_) {
        if (::IsWindow(window))
            ::EnableWindow(window, TRUE);
    }
    if (active_before_ != nullptr && ::IsWindow(active_before_) &&
        ::IsWindowVisible(active_before_))
        ::SetActiveWindow(active_before_);
    if (focus_before_ != nullptr && ::IsWindow(focus_before_) && ::IsWindowVisible(focus_before_))
        ::SetFocus(focus_before_);
}

}  // namespace vindel::win32
