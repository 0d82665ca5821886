// SPDX-License-Identifier: MIT
#include "ui/win32/ControlFont.h"

#include <string>

#include "common/Win32.h"
#include "ui/win32/LastError.h"

namespace vindel::win32 {

UniqueFont ControlFont(const FontDescription& font, Dpi dpi) {
    const std::wstring face = Wide(font.family);
    // A negative height asks for the character height, without the leading.
    UniqueFont made(::CreateFontW(
        -dpi.Scale(font.pixels), 0, 0, 0, font.style == FontStyle::Regular ? FW_NORMAL : FW_BOLD,
        font.style == FontStyle::BoldItalic, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
    if (!made)
        ThrowLastError(u"CreateFontW");
    return made;
}

COLORREF ColourRef(TextColour colour) {
    switch (colour) {
        case TextColour::WindowText:
        case TextColour::Black:
            break;
        case TextColour::White:
            return RGB(255, 255, 255);
        case TextColour::Yellow:
            return RGB(255, 255, 0);
    }
    return RGB(0, 0, 0);
}

}  // namespace vindel::win32
