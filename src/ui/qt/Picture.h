#pragma once

#include <QLabel>

namespace vindel {

// A picture at its natural size, drawn from the control's top left corner.
// Without a size of its own the control takes the picture's; with one, the
// picture is cut at the control's edges.
class TImage final : public QLabel {
    Q_OBJECT

  public:
    TImage(QWidget* parent, const char* name, const QString& picturePath, QPoint position);
    TImage(QWidget* parent, const char* name, const QString& picturePath, QRect geometry);
};

}  // namespace vindel
