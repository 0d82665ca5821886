// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

#include "ui/Label.h"
#include "ui/WindowDescription.h"

namespace vindel::qt {

// A label that sizes itself to its text, its left edge staying put, and is
// drawn without a background so that what lies under it shows through.
class Label final : public QLabel, public vindel::Label {
    Q_OBJECT

  public:
    Label(QWidget* parent, const ControlDescription& description);

    bool Visible() const override;
    void SetVisible(bool visible) override { setVisible(visible); }
    Bounds Geometry() const override;
    std::u16string Caption() const override { return text().toStdU16String(); }
    void SetCaption(const std::u16string& caption) override;

    // The size a label takes for a text; an empty text measures as one space.
    static QSize MeasureText(const QFont& font, const QString& text);
};

}  // namespace vindel::qt
