// SPDX-License-Identifier: MIT
#include "ui/win32/Typeface.h"

#include "ui/win32/LastError.h"

namespace vindel::win32 {

UniqueFont Typeface::Create(Dpi dpi) const {
    const wchar_t* face = family == FontFamily::Calibri ? L"Calibri" : L"Tahoma";
    // A negative height asks for the character height, without the leading.
    UniqueFont font(::CreateFontW(
        -dpi.Scale(pixelHeight), 0, 0, 0, style == FontStyle::Regular ? FW_NORMAL : FW_BOLD,
        style == FontStyle::BoldItalic, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face));
    if (!font)
        ThrowLastError(u"CreateFontW");
    return font;
}

COLORREF ColourRef(TextColour colour) {
    switch (colour) {
        case TextColour::WindowText:
            return ::GetSysColor(COLOR_WINDOWTEXT);
        case TextColour::Black:
            return RGB(0, 0, 0);
        case TextColour::White:
            return RGB(255, 255, 255);
        case TextColour::Yellow:
            return RGB(255, 255, 0);
    }
    return RGB(0, 0, 0);
}

}  // namespace vindel::win32
