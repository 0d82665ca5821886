// SPDX-License-Identifier: MIT
#include "ui/qt/Button.h"

#include "ui/HandlerGuard.h"
#include "ui/qt/FormStyle.h"
#include "ui/qt/QtText.h"
#include "ui/qt/Widgets.h"

namespace vindel::qt {

Button::Button(QWidget* parent, const ControlDescription& description)
    : QPushButton(ToQString(description.text), parent) {
    setObjectName(ToQString(description.name));
    const Bounds& bounds = description.bounds;
    setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
    SetFont(*this, ControlFont(description.font), Colour(description.colour));
    connect(this, &QPushButton::clicked, this, [this] {
        if (on_click_)
            RunGuarded(on_click_);
    });
}

bool Button::Visible() const {
    return VisibleInForm(*this);
}

Bounds Button::Geometry() const {
    return GeometryOf(*this);
}

}  // namespace vindel::qt
