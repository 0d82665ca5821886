// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include "ui/WindowDescription.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/UniqueGdiObject.h"

namespace vindel::win32 {

// A control's or a form's font at the screen's density: the family the
// description names, its character height (without the leading) and style.
// Where the family is missing the system substitutes the nearest one of the
// same height.
UniqueFont ControlFont(const FontDescription& font, Dpi dpi);

// A text colour of the descriptions on the screen. WindowText is the
// designed black, as on every toolkit.
COLORREF ColourRef(TextColour colour);

// The windows' background colour.
inline constexpr COLORREF kFormBackground = RGB(255, 255, 255);

}  // namespace vindel::win32
