#include "ui/win32/ModalBoxScope.h"

#include "ui/win32/Form.h"
#include "ui/win32/Shell.h"

namespace vindel::win32 {

ModalBoxScope::ModalBoxScope(Shell& shell)
    : owner_(shell.BoxOwner()), activeBefore_(::GetActiveWindow()), focusBefore_(::GetFocus()) {
    for (const Form* form : shell.Forms()) {
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
    if (activeBefore_ != nullptr && ::IsWindow(activeBefore_) && ::IsWindowVisible(activeBefore_))
        ::SetActiveWindow(activeBefore_);
    if (focusBefore_ != nullptr && ::IsWindow(focusBefore_) && ::IsWindowVisible(focusBefore_))
        ::SetFocus(focusBefore_);
}

}  // namespace vindel::win32
