// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "ui/Control.h"
#include "ui/TForm.h"

namespace vindel::qt {

// What the Control interface reads from a control's widget.
inline Bounds GeometryOf(const QWidget& widget) {
    return {widget.x(), widget.y(), widget.width(), widget.height()};
}
inline bool VisibleInForm(const QWidget& widget) {
    return widget.isVisibleTo(widget.parentWidget());
}

// The Qt widget behind a control or a window, for the tools and tests that
// drive them as the operator does.
template <typename Widget = QWidget>
Widget& WidgetOf(const Control& control) {
    return dynamic_cast<Widget&>(const_cast<Control&>(control));
}
inline QWidget& WidgetOf(const TForm& form) {
    return dynamic_cast<QWidget&>(form.Window());
}

}  // namespace vindel::qt
