// SPDX-License-Identifier: MIT
#include "ui/qt/Label.h"

#include <QFontMetrics>

#include "ui/qt/FormStyle.h"
#include "ui/qt/QtText.h"
#include "ui/qt/Widgets.h"

namespace vindel::qt {

Label::Label(QWidget* parent, const ControlDescription& description) : QLabel(parent) {
    setObjectName(ToQString(description.name));
    SetFont(*this, ControlFont(description.font), Colour(description.colour));
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    move(description.bounds.left, description.bounds.top);
    SetCaption(std::u16string(description.text));
}

bool Label::Visible() const {
    return VisibleInForm(*this);
}

Bounds Label::Geometry() const {
    return GeometryOf(*this);
}

void Label::SetCaption(const std::u16string& caption) {
    const QString text = ToQString(caption);
    setText(text);
    resize(MeasureText(font(), text));
}

QSize Label::MeasureText(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(text.isEmpty() ? QStringLiteral(" ") : text),
            metrics.height()};
}

}  // namespace vindel::qt
