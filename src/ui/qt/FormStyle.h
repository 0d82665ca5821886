#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace vindel {

// What both windows look like before their controls: caption "Vindel", a
// white background, the designed colours whatever the desktop's theme, and
// the window font, Tahoma 11 px.
void ApplyFormStyle(QWidget& form);

// The controls' font: Calibri (Carlito on Linux, with the same metrics) at a
// character height in pixels.
enum class FontStyle { Regular, Bold, BoldItalic };
QFont CalibriFont(int pixelHeight, FontStyle style = FontStyle::Regular);

// Text colours of the controls. "Window text" is the designed black, also
// under a dark desktop theme.
inline const QColor kBlack = Qt::black;
inline const QColor kYellow = QColor(255, 255, 0);
inline const QColor kWhite = Qt::white;
QColor WindowTextColour();

// Sets a control's font and text colour.
void SetFont(QWidget& control, const QFont& font, const QColor& colour);

}  // namespace vindel
