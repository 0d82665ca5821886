// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "ui/win32/EmbeddedPicture.h"
#include "ui/win32/GraphicControl.h"

namespace vindel::win32 {

struct PictureDesign final {
    // The name of the picture's RCDATA resource in the program.
    std::u16string resource;
    int left = 0;
    int top = 0;
    // Without a size the control takes the picture's.
    std::optional<SIZE> size{};
};

// A picture at its natural size, drawn from the control's top left corner
// and cut at the control's edges.
class Picture final : public GraphicControl {
  public:
    Picture(Form& form, const PictureDesign& design);

    void Draw(HDC dc) const override;

  private:
    EmbeddedPicture picture_;
};

}  // namespace vindel::win32
