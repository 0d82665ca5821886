// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include "ui/win32/Dpi.h"
#include "ui/win32/UniqueGdiObject.h"

namespace vindel::win32 {

enum class FontFamily { Calibri, Tahoma };
enum class FontStyle { Regular, Bold, BoldItalic };

// A control's font: family, character height in pixels at 96 dots per inch
// (the height of the characters without their leading), style.
struct Typeface final {
    FontFamily family = FontFamily::Calibri;
    int pixelHeight = 19;
    FontStyle style = FontStyle::Regular;

    // The font at the screen's density. Where the family is missing the
    // system substitutes the nearest one of the same height.
    UniqueFont Create(Dpi dpi) const;
};

// Text colours of the controls. WindowText follows the system's colours;
// the others are fixed.
enum class TextColour { WindowText, Black, White, Yellow };
COLORREF ColourRef(TextColour colour);

// The windows' background colour.
inline constexpr COLORREF kFormBackground = RGB(255, 255, 255);

}  // namespace vindel::win32
