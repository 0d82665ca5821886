// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

#include "ui/WindowDescription.h"

class QWidget;

namespace vindel::qt {

// What both windows look like before their controls: the caption, a white
// background, the designed colours whatever the desktop's theme, and the
// window's own font.
void ApplyFormStyle(QWidget& form, const QString& caption, const FontDescription& font);

// The colours the windows are designed with, whatever the desktop's theme:
// light fields and buttons with black text, a white window.
QPalette DesignedPalette();

// A control's font. Calibri is Carlito on Linux, with the same metrics.
QFont ControlFont(const FontDescription& description);

// Text colours of the controls. Window text is the designed black, also
// under a dark desktop theme.
inline const QColor kBlack = Qt::black;
inline const QColor kYellow = QColor(255, 255, 0);
inline const QColor kWhite = Qt::white;
QColor Colour(TextColour colour);

// Sets a control's font, and its text colour over the designed palette.
void SetFont(QWidget& control, const QFont& font, const QColor& colour);

}  // namespace vindel::qt
