// SPDX-License-Identifier: MIT
#include "ui/qt/Label.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <cmath>

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
    designed_place_ = {description.bounds.left, description.bounds.top};
    move(designed_place_);
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
    Place();
}

void Label::SetScale(double scale) {
    scale_ = scale;
    Place();
    update();
}

void Label::Place() {
    const QSize designed = MeasureText(font(), text());
    if (scale_ == 1) {
        move(designed_place_);
        resize(designed);
        return;
    }
    const auto scaled = [this](int designedPixels) {
        return static_cast<int>(std::lround(designedPixels * scale_));
    };
    setGeometry(scaled(designed_place_.x()), scaled(designed_place_.y()), scaled(designed.width()),
                scaled(designed.height()));
}

void Label::paintEvent(QPaintEvent* event) {
    if (scale_ == 1) {
        QLabel::paintEvent(event);
        return;
    }
    // As QLabel draws it, at the designed size, under the scale.
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale_, scale_);
    style()->drawItemText(&painter, QRect(QPoint(0, 0), MeasureText(font(), text())),
                          static_cast<int>(alignment()), palette(), isEnabled(), text(),
                          foregroundRole());
}

QSize Label::MeasureText(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(text.isEmpty() ? QStringLiteral(" ") : text),
            metrics.height()};
}

}  // namespace vindel::qt
