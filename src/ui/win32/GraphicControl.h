// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include "ui/win32/Control.h"

namespace vindel::win32 {

// A label or a picture, which the form draws: its background and then
// every visible label and picture in the order they were made. So a label
// has a transparent background, the banner or a sentence showing through
// around its letters, and a later label or picture lies over an earlier one.
// It takes no mouse input; the form under it does. A picture has no window;
// a label has one, for assistive technology to read its text, which has the
// form draw its part of that picture (Form::PaintGraphics).
class GraphicControl : public Control {
  public:
    ~GraphicControl() override;

    // Draws the control into `dc`, addressed in the form's client
    // coordinates and clipped to the control.
    virtual void Draw(HDC dc) const = 0;

  protected:
    GraphicControl(Form& form, const ControlDescription& description,
                   const ControlWindow& window = {});
};

}  // namespace vindel::win32
