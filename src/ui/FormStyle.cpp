#include "ui/FormStyle.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace vindel {

void ApplyFormStyle(QWidget& form) {
    form.setWindowTitle("Vindel");
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, Qt::white);
    form.setPalette(palette);
    form.setAutoFillBackground(true);
    QFont font("Tahoma");
    font.setPixelSize(11);
    form.setFont(font);
}

QFont CalibriFont(int pixelHeight, FontStyle style) {
    QFont font("Calibri");
    font.setPixelSize(pixelHeight);
    font.setBold(style != FontStyle::Regular);
    font.setItalic(style == FontStyle::BoldItalic);
    // Whole-pixel glyph advances, as the windows were laid out with: the value
    // labels sit over runs of spaces in the sentences, and fractional
    // advances would let the sentences drift under them.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QColor WindowTextColour() {
    return QApplication::palette().color(QPalette::WindowText);
}

void SetFont(QWidget& control, const QFont& font, const QColor& colour) {
    control.setFont(font);
    QPalette palette = control.palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Text, colour);
    control.setPalette(palette);
}

}  // namespace vindel
