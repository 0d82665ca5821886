// SPDX-License-Identifier: MIT
#include "ui/win32/ButtonAdapter.h"

#include "ui/win32/DesignOf.h"
#include "ui/win32/WindowText.h"

namespace vindel::win32 {
namespace {

ButtonDesign ButtonDesignOf(const ControlDescription& d) {
    return {BoundsOf(d.bounds), std::u16string(d.text), TypefaceOf(d.font), ColourOf(d.colour)};
}

}  // namespace

ButtonAdapter::ButtonAdapter(win32::Form& form, const ControlDescription& description)
    : ControlAdapter(form, ButtonDesignOf(description)) {}

std::u16string ButtonAdapter::Caption() const {
    return WindowText(Window().Handle());
}

void ButtonAdapter::Click() {
    // As the button reports a press of the operator's to its form; the
    // button itself may be hidden, where a simulated mouse press would not
    // reach it.
    const HWND button = Window().Handle();
    ::SendMessageW(::GetParent(button), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button), BN_CLICKED),
                   reinterpret_cast<LPARAM>(button));
}

}  // namespace vindel::win32
