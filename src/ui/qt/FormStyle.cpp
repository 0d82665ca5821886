// SPDX-License-Identifier: MIT
#include "ui/qt/FormStyle.h"

#include <QPalette>
#include <QWidget>

#include "ui/qt/QtText.h"

namespace vindel::qt {

QPalette DesignedPalette() {
    // The light palette of Qt's Fusion style where no platform theme gives
    // one (Qt 6's own defaults, computed as Qt computes them), which the
    // windows were designed and photographed with; the window white rather
    // than grey. Not the style's standard palette: under a platform theme
    // that is the theme's, dark under a dark desktop theme. Every role is
    // set, so none comes from the theme.
    const QColor background(239, 239, 239);
    const QColor light = background.lighter(150);
    const QColor mid = background.darker(130);
    const QColor dark = background.darker(150);
    const QColor shadow = dark.darker(135);
    const QColor disabledText(190, 190, 190);
    QColor placeholder = Qt::black;
    placeholder.setAlpha(128);

    QPalette palette(Qt::black, background, light, dark, mid, Qt::black, Qt::white);
    palette.setColor(QPalette::Midlight, mid.lighter(110));
    palette.setColor(QPalette::Button, background);
    palette.setColor(QPalette::Shadow, shadow);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Disabled, QPalette::Text, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Base, background);
    palette.setColor(QPalette::Disabled, QPalette::Dark, QColor(209, 209, 209).darker(110));
    palette.setColor(QPalette::Disabled, QPalette::Shadow, shadow.lighter(150));
    palette.setColor(QPalette::Highlight, QColor(48, 140, 198));
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    palette.setColor(QPalette::PlaceholderText, placeholder);
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto colourRole = static_cast<QPalette::ColorRole>(role);
            if (colourRole != QPalette::NoRole)
                palette.setBrush(group, colourRole, palette.brush(group, colourRole));
        }
    }
    return palette;
}

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
    // Each control gets the whole designed palette, not only its text colour:
    // a platform theme (gtk3, KDE's) gives line edits, combo boxes and buttons
    // palettes of their own, which take the place of what the form hands
    // down, and would put the designed dark text on the theme's dark fields.
    QPalette palette = DesignedPalette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Text, colour);
    control.setPalette(palette);
}

}  // namespace vindel::qt
