#pragma once

class QWidget;

namespace vindel {

// What both windows look like before their controls: caption "Vindel", a
// white background and the window font, Tahoma 11 px.
void ApplyFormStyle(QWidget& form);

}  // namespace vindel
