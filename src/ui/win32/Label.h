// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "ui/Label.h"
#include "ui/win32/GraphicControl.h"

namespace vindel::win32 {

// A line of text with a transparent background that sizes itself to its
// text, its left edge staying put.
class Label final : public GraphicControl, public vindel::Label {
  public:
    Label(Form& form, const ControlDescription& description);

    std::u16string Caption() const override { return caption_; }
    void SetCaption(const std::u16string& caption) override;

    void Draw(HDC dc) const override;
    std::u16string_view ShownText() const noexcept override { return caption_; }

    // The size, in screen pixels, that a label takes for a text in a font:
    // its width as the font sets it, an empty text measuring as one space,
    // and the font's line height.
    static SIZE MeasureText(HFONT font, std::u16string_view text);

  private:
    std::u16string caption_;
};

}  // namespace vindel::win32
