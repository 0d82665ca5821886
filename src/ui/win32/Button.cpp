// SPDX-License-Identifier: MIT
#include "ui/win32/Button.h"

#include "ui/win32/Shell.h"

namespace vindel::win32 {
namespace {

ControlWindow ButtonWindow(const ButtonDesign& design) {
    ControlWindow window;
    window.className = L"Button";
    window.text = design.caption;
    window.style = WS_TABSTOP | BS_PUSHBUTTON;
    window.bounds = design.bounds;
    window.typeface = design.typeface;
    window.colour = design.colour;
    return window;
}

}  // namespace

Button::Button(Form& form, const ButtonDesign& design) : Control(form, ButtonWindow(design)) {}

void Button::OnCommand(WORD code) {
    if (code == BN_CLICKED && click_handler_)
        Parent().Application().RunGuarded(click_handler_);
}

}  // namespace vindel::win32
