#include "ui/qt/Label.h"

#include <QFontMetrics>

#include "ui/qt/FormStyle.h"

namespace vindel {

TLabel::TLabel(QWidget* parent, const char* name, QPoint position, const QString& caption,
               const QFont& font, const QColor& colour)
    : QLabel(parent) {
    setObjectName(name);
    SetFont(*this, font, colour);
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    move(position);
    SetCaption(caption);
}

void TLabel::SetCaption(const QString& caption) {
    setText(caption);
    resize(MeasureText(font(), caption));
}

QSize TLabel::MeasureText(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(text.isEmpty() ? QStringLiteral(" ") : text),
            metrics.height()};
}

}  // namespace vindel
