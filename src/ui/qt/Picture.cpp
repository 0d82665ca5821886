// SPDX-License-Identifier: MIT
#include "ui/qt/Picture.h"

#include "resources/Pictures.h"
#include "ui/qt/QtText.h"
#include "ui/qt/Widgets.h"

namespace vindel::qt {

TImage::TImage(QWidget* parent, const ControlDescription& description) : QLabel(parent) {
    setObjectName(ToQString(description.name));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setPixmap(QPixmap(PicturePath(description.picture)));
    const Bounds& bounds = description.bounds;
    const QPoint position(bounds.left, bounds.top);
    setGeometry(description.autoSize ? QRect(position, pixmap().size())
                                     : QRect(position, QSize(bounds.width, bounds.height)));
}

bool TImage::Visible() const {
    return VisibleInForm(*this);
}

Bounds TImage::Geometry() const {
    return GeometryOf(*this);
}

}  // namespace vindel::qt
