// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "ui/Control.h"
#include "ui/WindowDescription.h"
#include "ui/win32/Control.h"
#include "ui/win32/Typeface.h"

namespace vindel::win32 {

// How a description's font and colour look to the controls of win32/.
Typeface TypefaceOf(const FontDescription& font);
win32::TextColour ColourOf(vindel::TextColour colour);
win32::Bounds BoundsOf(const vindel::Bounds& bounds);
// The name of a picture's RCDATA resource: the file name without its
// extension, upper case, '-' as '_' ("SG300-10.png": "SG300_10").
std::u16string PictureResourceName(std::u16string_view file);

}  // namespace vindel::win32
