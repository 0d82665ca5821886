#pragma once

#include <QLabel>

namespace vindel {

// A label that sizes itself to its text, its left edge staying put, and is
// drawn without a background so that what lies under it shows through.
class TLabel final : public QLabel {
    Q_OBJECT

  public:
    TLabel(QWidget* parent, const char* name, QPoint position, const QString& caption,
           const QFont& font, const QColor& colour);

    void SetCaption(const QString& caption);

    // The size a label takes for a text; an empty text measures as one space.
    static QSize MeasureText(const QFont& font, const QString& text);
};

}  // namespace vindel
