// SPDX-License-Identifier: MIT
#include "ui/qt/Edit.h"

#include "ui/qt/FormStyle.h"
#include "ui/qt/QtText.h"
#include "ui/qt/StarPasswordStyle.h"
#include "ui/qt/Widgets.h"

namespace vindel::qt {

TEdit::TEdit(QWidget* parent, const ControlDescription& description)
    : QLineEdit(ToQString(description.text), parent) {
    setObjectName(ToQString(description.name));
    const Bounds& bounds = description.bounds;
    setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
    SetFont(*this, ControlFont(description.font), Colour(description.colour));
    if (description.kind == ControlKind::PasswordBox) {
        setEchoMode(QLineEdit::Password);
        setStyle(new StarPasswordStyle(this));
    }
}

bool TEdit::Visible() const {
    return VisibleInForm(*this);
}

Bounds TEdit::Geometry() const {
    return GeometryOf(*this);
}

void TEdit::SetText(const std::u16string& text) {
    setText(ToQString(text));
}

}  // namespace vindel::qt
