// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

#include "ui/Label.h"
#include "ui/WindowDescription.h"

namespace vindel::qt {

// A label that sizes itself to its text, its left edge staying put, and is
// drawn without a background so that what lies under it shows through. In a
// window drawn at another scale than designed (Form), its text is laid out
// at the designed size and drawn scaled, so that its letters lie where the
// designed layout puts them: the value labels sit over gaps in the
// sentences, and the font's own widths at another size would move them.
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

    // Draws the label at `scale` times its designed place and size.
    void SetScale(double scale);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void Place();

    QPoint designed_place_;
    double scale_ = 1;
};

}  // namespace vindel::qt
