#include "ui/win32/Button.h"

#include "ui/win32/Shell.h"

namespace vindel::win32 {

Button::Button(Form& form, const ButtonDesign& design)
    : Control(form,
              ControlWindow{L"Button", design.caption, WS_TABSTOP | BS_PUSHBUTTON, 0, design.bounds,
                            ChildLayer::Windowed, design.typeface, design.colour}) {}

void Button::OnCommand(WORD code) {
    if (code == BN_CLICKED && clickHandler_)
        Parent().Application().RunGuarded(clickHandler_);
}

}  // namespace vindel::win32
