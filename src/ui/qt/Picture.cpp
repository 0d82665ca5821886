#include "ui/qt/Picture.h"

namespace vindel {

TImage::TImage(QWidget* parent, const char* name, const QString& picturePath, QPoint position)
    : TImage(parent, name, picturePath, QRect(position, QSize())) {
    resize(pixmap().size());
}

TImage::TImage(QWidget* parent, const char* name, const QString& picturePath, QRect geometry)
    : QLabel(parent) {
    setObjectName(name);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setPixmap(QPixmap(picturePath));
    setGeometry(geometry);
}

}  // namespace vindel
