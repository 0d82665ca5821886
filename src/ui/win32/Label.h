// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/Label.h"
#include "ui/win32/GraphicControl.h"

namespace vindel::win32 {

// A line of text with a transparent background that sizes itself to its
// text, its left edge staying put. Its window is a static control whose
// text is the caption, for assistive technology; the form draws it. At any
// density its letters lie where the designed layout (at 96 dots per inch)
// puts them, scaled: the font's own widths don't scale in proportion (its
// height is rounded to whole pixels, and hinting rounds each letter's
// advance at every size), and the value labels sit over gaps in the
// sentences that must stay gaps.
class Label final : public GraphicControl, public vindel::Label {
  public:
    Label(Form& form, const ControlDescription& description);

    std::u16string Caption() const override { return caption_; }
    void SetCaption(const std::u16string& caption) override;

    void Draw(HDC dc) const override;

    // The size, in screen pixels, that a label takes for a text in a font:
    // its width as the font sets it, an empty text measuring as one space,
    // and the font's line height.
    static SIZE MeasureText(HFONT font, std::u16string_view text);

  private:
    // Lays the caption out at the designed size and scales it: the label's
    // size, and where each letter starts relative to the one before.
    void Layout();

    std::u16string caption_;
    // The font at the designed size, where the form is drawn at another.
    UniqueFont designed_font_;
    // The advance of each letter at the form's density, for ExtTextOutW;
    // empty at the designed density, where the font's own are used.
    std::vector<INT> advances_;
};

}  // namespace vindel::win32
