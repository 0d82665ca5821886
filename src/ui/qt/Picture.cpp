// SPDX-License-Identifier: MIT
#include "ui/qt/Picture.h"

#include <QImageReader>

#include "resources/Pictures.h"
#include "ui/qt/QtText.h"
#include "ui/qt/Widgets.h"

namespace vindel::qt {

TImage::TImage(QWidget* parent, const ControlDescription& description)
    : QLabel(parent), path_(PicturePath(description.picture)) {
    setObjectName(ToQString(description.name));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const Bounds& bounds = description.bounds;
    const QPoint position(bounds.left, bounds.top);
    // The picture's size is in its file's header; reading it decodes nothing.
    setGeometry(description.autoSize ? QRect(position, QImageReader(path_).size())
                                     : QRect(position, QSize(bounds.width, bounds.height)));
}

void TImage::showEvent(QShowEvent* event) {
    if (pixmap().isNull())
        setPixmap(QPixmap(path_));
    QLabel::showEvent(event);
}

bool TImage::Visible() const {
    return VisibleInForm(*this);
}

Bounds TImage::Geometry() const {
    return GeometryOf(*this);
}

}  // namespace vindel::qt
