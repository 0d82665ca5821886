// SPDX-License-Identifier: MIT
#include "ui/qt/FormStyle.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QWidget>

#include "ui/qt/QtText.h"

namespace vindel::qt {
namespace {

// The colours the windows are designed with, whatever the desktop's theme:
// the style's own light palette (light boxes and buttons with dark text),
// with a white window and black window text. Every role is set on the form,
// so that no colour of a dark desktop palette reaches it or its controls.
QPalette DesignedPalette() {
    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, kBlack);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto colourRole = static_cast<QPalette::ColorRole>(role);
            if (colourRole == QPalette::NoRole)
                continue;
            palette.setBrush(group, colourRole, palette.brush(group, colourRole));
        }
    }
    return palette;
}

}  // namespace

void ApplyFormStyle(QWidget& form, const QString& caption, const FontDescription& font) {
    form.setWindowTitle(caption);
    form.setPalette(DesignedPalette());
    form.setAutoFillBackground(true);
    QFont formFont(ToQString(font.family));
    formFont.setPixelSize(font.pixels);
    form.setFont(formFont);
}

QFont ControlFont(const FontDescription& description) {
    QFont font(ToQString(description.family));
    font.setPixelSize(description.pixels);
    font.setBold(description.style != FontStyle::Regular);
    font.setItalic(description.style == FontStyle::BoldItalic);
    // Whole-pixel glyph advances, as the windows were laid out with: the value
    // labels sit over runs of spaces in the sentences, and fractional
    // advances would let the sentences drift under them.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QColor Colour(TextColour colour) {
    switch (colour) {
        case TextColour::WindowText:
        case TextColour::Black:
            break;
        case TextColour::White:
            return kWhite;
        case TextColour::Yellow:
            return kYellow;
    }
    return kBlack;
}

void SetFont(QWidget& control, const QFont& font, const QColor& colour) {
    control.setFont(font);
    QPalette palette = control.palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Text, colour);
    control.setPalette(palette);
}

}  // namespace vindel::qt
