// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QString>

#include "ui/Picture.h"
#include "ui/WindowDescription.h"

namespace vindel::qt {

// A picture at its natural size, drawn from the control's top left corner.
// With autoSize the control takes the picture's size; otherwise the picture
// is cut at the control's edges. The picture is decoded when the control is
// first shown: at start-up most pictures are hidden (the other models'
// fronts, the whole diagram window), and decoding them all would cost the
// start time and memory for nothing.
class TImage final : public QLabel, public Picture {
    Q_OBJECT

  public:
    TImage(QWidget* parent, const ControlDescription& description);

    bool Visible() const override;
    void SetVisible(bool visible) override { setVisible(visible); }
    Bounds Geometry() const override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QString path_;
};

}  // namespace vindel::qt
