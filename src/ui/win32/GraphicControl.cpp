// SPDX-License-Identifier: MIT
#include "ui/win32/GraphicControl.h"

namespace vindel::win32 {
namespace {

ControlWindow Windowless(const Bounds& bounds, std::optional<Typeface> typeface,
                         TextColour colour) {
    ControlWindow design;
    design.bounds = bounds;
    design.typeface = typeface;
    design.colour = colour;
    return design;
}

}  // namespace

GraphicControl::GraphicControl(Form& form, const Bounds& bounds, std::optional<Typeface> typeface,
                               TextColour colour)
    : Control(form, Windowless(bounds, typeface, colour)) {
    form.AddGraphic(*this);
}

GraphicControl::~GraphicControl() {
    Parent().RemoveGraphic(*this);
}

}  // namespace vindel::win32
