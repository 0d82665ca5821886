// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

#include "ui/Control.h"

namespace vindel {

// A window as designed: its controls, their names, kinds, places, texts,
// fonts and colours, as constant data that a toolkit builds the window from.

// The blue title strip at the top of both windows.
inline constexpr std::u16string_view BannerPicture = u"banner.bmp";

enum class ControlKind { Label, Picture, ComboBox, EditBox, PasswordBox, Button };

enum class FontStyle { Regular, Bold, BoldItalic };

// A font: its family and its character height in pixels (the height of the
// characters without leading).
struct FontDescription final {
    std::u16string_view family;
    int pixels = 0;
    FontStyle style = FontStyle::Regular;
};

// Text colours. WindowText is the designed black, also under a dark desktop
// theme; the others are fixed.
enum class TextColour { WindowText, Black, White, Yellow };

struct ControlDescription final {
    // The control's name, as the window's code finds it (Form::Find).
    std::string_view name;
    // A label's or button's caption, an edit box's first text.
    std::u16string_view text;
    // A picture's file name among the program's pictures (resources/).
    std::u16string_view picture;
    // What a screen reader announces it by; for a box, the sentence beside it.
    std::u16string_view accessibleName;
    // Pictures have none.
    FontDescription font;
    // As designed. A label sizes itself to its caption from (left, top); a
    // picture does to its picture when autoSize is set.
    Bounds bounds;
    ControlKind kind = ControlKind::Label;
    TextColour colour = TextColour::WindowText;
    // Position in the tab order, from 0; -1: not in it. When its window is
    // first activated, the keyboard focus goes to the first in the order.
    int tabOrder = -1;
    bool autoSize = false;
};

// The rows of a description, one kind of control each.
constexpr ControlDescription LabelControl(std::string_view name, Bounds bounds,
                                          std::u16string_view caption, FontDescription font,
                                          TextColour colour = TextColour::WindowText) {
    ControlDescription label;
    label.name = name;
    label.kind = ControlKind::Label;
    label.bounds = bounds;
    label.text = caption;
    label.font = font;
    label.colour = colour;
    return label;
}
constexpr ControlDescription PictureControl(std::string_view name, Bounds bounds,
                                            std::u16string_view picture, bool autoSize) {
    ControlDescription image;
    image.name = name;
    image.kind = ControlKind::Picture;
    image.bounds = bounds;
    image.picture = picture;
    image.autoSize = autoSize;
    return image;
}
// Combo boxes, edit boxes and buttons.
constexpr ControlDescription InputControl(ControlKind kind, std::string_view name, Bounds bounds,
                                          std::u16string_view text, FontDescription font,
                                          TextColour colour, int tabOrder,
                                          std::u16string_view accessibleName) {
    ControlDescription input;
    input.name = name;
    input.kind = kind;
    input.bounds = bounds;
    input.text = text;
    input.font = font;
    input.colour = colour;
    input.tabOrder = tabOrder;
    input.accessibleName = accessibleName;
    return input;
}

struct FormDescription final {
    std::string_view name;
    std::u16string_view caption;
    // The window's place on the screen and the size of its client area.
    Bounds bounds;
    // The window's own font, which no control uses.
    FontDescription font;
    // In creation order, which is also the drawing order of labels and
    // pictures: a later one is drawn over an earlier one. Edit boxes, combo
    // boxes and buttons lie above all labels and pictures.
    std::span<const ControlDescription> controls;
};

}  // namespace vindel
