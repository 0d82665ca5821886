// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

#include "ui/Picture.h"
#include "ui/WindowDescription.h"

namespace vindel::qt {

// A picture at its natural size, drawn from the control's top left corner.
// With autoSize the control takes the picture's size; otherwise the picture
// is cut at the control's edges. The picture is decoded when the control is
// first shown: at start-up most pictures are hidden (the other models'
// fronts, the whole diagram window), and decoding them all would cost the
// start time and memory for nothing.
class Picture final : public QLabel, public vindel::Picture {
    Q_OBJECT

  public:
    Picture(QWidget* parent, const ControlDescription& description);

    bool Visible() const override;
    void SetVisible(bool visible) override { setVisible(visible); }
    Bounds Geometry() const override;

    // Draws the picture, and places the control, at `scale` times their
    // designed size.
    void SetScale(double scale);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // The pixmap at the current scale, decoded on first show.
    void ShowPixmap();

    QString path_;
    QSize natural_size_;
    Bounds designed_;
    bool auto_size_;
    double scale_ = 1;
};

}  // namespace vindel::qt
