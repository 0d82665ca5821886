// SPDX-License-Identifier: MIT
#include "ui/win32/GraphicControl.h"

#include "ui/win32/Form.h"

namespace vindel::win32 {

GraphicControl::GraphicControl(Form& form, const ControlDescription& description,
                               const ControlWindow& window)
    : Control(form, description, window) {
    form.AddGraphic(*this);
}

GraphicControl::~GraphicControl() {
    Parent().RemoveGraphic(*this);
}

}  // namespace vindel::win32
