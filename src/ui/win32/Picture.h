// SPDX-License-Identifier: MIT
#pragma once

#include "ui/Picture.h"
#include "ui/win32/EmbeddedPicture.h"
#include "ui/win32/GraphicControl.h"

namespace vindel::win32 {

// A picture at its natural size, drawn from the control's top left corner.
// With autoSize the control takes the picture's size; otherwise the picture
// is cut at the control's edges.
class Picture final : public GraphicControl, public vindel::Picture {
  public:
    Picture(Form& form, const ControlDescription& description);

    void Draw(HDC dc) const override;

  private:
    EmbeddedPicture picture_;
};

}  // namespace vindel::win32
