// SPDX-License-Identifier: MIT
#include "ui/win32/DesignOf.h"

#include <algorithm>

namespace vindel::win32 {

Typeface TypefaceOf(const FontDescription& font) {
    Typeface typeface;
    typeface.family = font.family == u"Calibri" ? FontFamily::Calibri : FontFamily::Tahoma;
    typeface.pixelHeight = font.pixels;
    switch (font.style) {
        case vindel::FontStyle::Regular:
            typeface.style = win32::FontStyle::Regular;
            break;
        case vindel::FontStyle::Bold:
            typeface.style = win32::FontStyle::Bold;
            break;
        case vindel::FontStyle::BoldItalic:
            typeface.style = win32::FontStyle::BoldItalic;
            break;
    }
    return typeface;
}

win32::TextColour ColourOf(vindel::TextColour colour) {
    switch (colour) {
        case vindel::TextColour::Black:
            return win32::TextColour::Black;
        case vindel::TextColour::White:
            return win32::TextColour::White;
        case vindel::TextColour::Yellow:
            return win32::TextColour::Yellow;
        case vindel::TextColour::WindowText:
            break;
    }
    return win32::TextColour::WindowText;
}

win32::Bounds BoundsOf(const vindel::Bounds& bounds) {
    return {bounds.left, bounds.top, bounds.width, bounds.height};
}

std::u16string PictureResourceName(std::u16string_view file) {
    std::u16string name(file.substr(0, file.rfind(u'.')));
    std::transform(name.begin(), name.end(), name.begin(), [](char16_t c) -> char16_t {
        if (c == u'-')
            return u'_';
        return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
    });
    return name;
}

}  // namespace vindel::win32
