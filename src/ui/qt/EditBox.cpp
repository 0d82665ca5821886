// SPDX-License-Identifier: MIT
#include "ui/qt/EditBox.h"

#include "ui/qt/FormStyle.h"
#include "ui/qt/QtText.h"
#include "ui/qt/StarPasswordStyle.h"
#include "ui/qt/Widgets.h"

namespace vindel::qt {

EditBox::EditBox(QWidget* parent, const ControlDescription& description)
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

bool EditBox::Visible() const {
    return VisibleInForm(*this);
}

Bounds EditBox::Geometry() const {
    return GeometryOf(*this);
}

void EditBox::SetText(const std::u16string& text) {
    setText(ToQString(text));
}

}  // namespace vindel::qt
