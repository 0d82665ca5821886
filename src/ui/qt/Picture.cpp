// SPDX-License-Identifier: MIT
#include "ui/qt/Picture.h"

#include "resources/Pictures.h"
#include "ui/qt/QtText.h"
#include "ui/qt/Widgets.h"

namespace vindel::qt {

Picture::Picture(QWidget* parent, const ControlDescription& description) : QLabel(parent) {
    setObjectName(ToQString(description.name));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setPixmap(QPixmap(PicturePath(description.picture)));
    const Bounds& bounds = description.bounds;
    const QPoint position(bounds.left, bounds.top);
    setGeometry(description.autoSize ? QRect(position, pixmap().size())
                                     : QRect(position, QSize(bounds.width, bounds.height)));
}

bool Picture::Visible() const {
    return VisibleInForm(*this);
}

Bounds Picture::Geometry() const {
    return GeometryOf(*this);
}

}  // namespace vindel::qt
