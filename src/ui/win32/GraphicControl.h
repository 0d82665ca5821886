// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/win32/Control.h"

namespace vindel::win32 {

// A label or a picture. It has no window: the form paints its background
// and then every visible label and picture in the order they were made. So
// a label has a transparent background, the banner or a sentence showing
// through around its letters, and a later label or picture lies over an
// earlier one. It takes no mouse input; the form under it does.
class GraphicControl : public Control {
  public:
    ~GraphicControl() override;

    // Draws the control into `dc`, addressed in the form's client
    // coordinates and clipped to the control.
    virtual void Draw(HDC dc) const = 0;

    // The text the control shows, if any.
    virtual std::u16string_view ShownText() const noexcept { return {}; }

  protected:
    GraphicControl(Form& form, const ControlDescription& description);
};

}  // namespace vindel::win32
