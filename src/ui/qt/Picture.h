// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

#include "ui/Picture.h"
#include "ui/WindowDescription.h"

namespace vindel::qt {

// A picture at its natural size, drawn from the control's top left corner.
// With autoSize the control takes the picture's size; otherwise the picture
// is cut at the control's edges.
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

  private:
    QPixmap natural_;
    Bounds designed_;
    bool auto_size_;
};

}  // namespace vindel::qt
