// SPDX-License-Identifier: MIT
#include "ui/win32/Button.h"

#include "ui/HandlerGuard.h"
#include "ui/win32/WindowText.h"

namespace vindel::win32 {
namespace {

ControlWindow ButtonWindow(const ControlDescription& description) {
    ControlWindow window;
    window.className = L"Button";
    window.text = description.text;
    window.style = WS_TABSTOP | BS_PUSHBUTTON;
    return window;
}

}  // namespace

Button::Button(Form& form, const ControlDescription& description)
    : Control(form, description, ButtonWindow(description)) {}

std::u16string Button::Caption() const {
    return WindowText(Handle());
}

void Button::Click() {
    // As the button reports a press of the operator's to its form; the
    // button itself may be hidden, where a simulated mouse press would not
    // reach it.
    ::SendMessageW(::GetParent(Handle()), WM_COMMAND,
                   MAKEWPARAM(::GetDlgCtrlID(Handle()), BN_CLICKED),
                   reinterpret_cast<LPARAM>(Handle()));
}

void Button::OnCommand(WORD code) {
    if (code == BN_CLICKED && on_click_)
        RunGuarded(on_click_);
}

}  // namespace vindel::win32
