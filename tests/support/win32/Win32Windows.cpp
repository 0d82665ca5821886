// SPDX-License-Identifier: MIT
#include "win32/Win32Windows.h"

#include "common/Exception.h"
#include "ui/win32/ComboBox.h"

namespace vindel::testing {
namespace {

win32::Win32Toolkit* current = nullptr;

}  // namespace

win32::Win32Toolkit& CurrentToolkit() {
    if (current == nullptr)
        throw Exception(u"The window tests made no Win32 toolkit");
    return *current;
}

void SetCurrentToolkit(win32::Win32Toolkit* toolkit) noexcept {
    current = toolkit;
}

const win32::Control& Win32ControlOf(const Control& control) {
    if (const auto* found = dynamic_cast<const win32::Control*>(&control))
        return *found;
    throw Exception(u"A control of no Win32 kind");
}

HWND HandleOf(const Control& control) {
    return Win32ControlOf(control).Handle();
}

HWND InputHandleOf(const Control& control) {
    if (const auto* combo = dynamic_cast<const win32::ComboBox*>(&control))
        return combo->EditHandle();
    return HandleOf(control);
}

const win32::Form& Win32FormOf(const TForm& window) {
    return dynamic_cast<const win32::Form&>(window.Window());
}

HWND HandleOf(const TForm& window) {
    return Win32FormOf(window).Handle();
}

}  // namespace vindel::testing
