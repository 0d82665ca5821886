#include "ui/win32/ControlAdapters.h"

#include <algorithm>

#include "ui/win32/WindowText.h"

namespace vindel::win32 {
namespace {

LabelDesign LabelDesignOf(const ControlDescription& d) {
    return {d.bounds.left, d.bounds.top, std::u16string(d.text), TypefaceOf(d.font),
            ColourOf(d.colour)};
}

PictureDesign PictureDesignOf(const ControlDescription& d) {
    PictureDesign design;
    design.resource = PictureResourceName(d.picture);
    design.left = d.bounds.left;
    design.top = d.bounds.top;
    if (!d.autoSize)
        design.size = SIZE{d.bounds.width, d.bounds.height};
    return design;
}

ComboDesign ComboDesignOf(const ControlDescription& d) {
    return {BoundsOf(d.bounds), TypefaceOf(d.font), ColourOf(d.colour)};
}

EditDesign EditDesignOf(const ControlDescription& d) {
    return {BoundsOf(d.bounds), std::u16string(d.text), TypefaceOf(d.font), ColourOf(d.colour),
            d.kind == ControlKind::PasswordBox ? EditKind::Password : EditKind::Plain};
}

ButtonDesign ButtonDesignOf(const ControlDescription& d) {
    return {BoundsOf(d.bounds), std::u16string(d.text), TypefaceOf(d.font), ColourOf(d.colour)};
}

}  // namespace

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

LabelAdapter::LabelAdapter(win32::Form& form, const ControlDescription& description)
    : ControlAdapter(form, LabelDesignOf(description)) {}

PictureAdapter::PictureAdapter(win32::Form& form, const ControlDescription& description)
    : ControlAdapter(form, PictureDesignOf(description)) {}

ComboBoxAdapter::ComboBoxAdapter(win32::Form& form, const ControlDescription& description)
    : ControlAdapter(form, ComboDesignOf(description)) {}

EditBoxAdapter::EditBoxAdapter(win32::Form& form, const ControlDescription& description)
    : ControlAdapter(form, EditDesignOf(description)) {}

ButtonAdapter::ButtonAdapter(win32::Form& form, const ControlDescription& description)
    : ControlAdapter(form, ButtonDesignOf(description)) {}

std::u16string ButtonAdapter::Caption() const {
    return WindowText(Window().Handle());
}

void ButtonAdapter::Click() {
    // As the button reports a press of the operator's to its form; the
    // button itself may be hidden, where a simulated mouse press would not
    // reach it.
    const HWND button = Window().Handle();
    ::SendMessageW(::GetParent(button), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button), BN_CLICKED),
                   reinterpret_cast<LPARAM>(button));
}

}  // namespace vindel::win32
