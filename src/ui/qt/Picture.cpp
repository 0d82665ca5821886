// SPDX-License-Identifier: MIT
#include "ui/qt/Picture.h"

#include <cmath>

#include <QImageReader>

#include "resources/Pictures.h"
#include "ui/qt/QtText.h"
#include "ui/qt/Widgets.h"

namespace vindel::qt {

Picture::Picture(QWidget* parent, const ControlDescription& description)
    : QLabel(parent),
      path_(PicturePath(description.picture)),
      // The picture's size is in its file's header; reading it decodes nothing.
      natural_size_(QImageReader(path_).size()),
      designed_(description.bounds),
      auto_size_(description.autoSize) {
    setObjectName(ToQString(description.name));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetScale(1);
}

void Picture::SetScale(double scale) {
    scale_ = scale;
    const auto scaled = [scale](int designed) {
        return static_cast<int>(std::lround(designed * scale));
    };
    const QSize pictureSize(scaled(natural_size_.width()), scaled(natural_size_.height()));
    const QPoint position(scaled(designed_.left), scaled(designed_.top));
    setGeometry(auto_size_
                    ? QRect(position, pictureSize)
                    : QRect(position, QSize(scaled(designed_.width), scaled(designed_.height))));
    if (!pixmap().isNull())
        ShowPixmap();
}

void Picture::ShowPixmap() {
    const QPixmap natural(path_);
    if (scale_ == 1) {
        setPixmap(natural);
        return;
    }
    const QSize size(static_cast<int>(std::lround(natural.width() * scale_)),
                     static_cast<int>(std::lround(natural.height() * scale_)));
    setPixmap(natural.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void Picture::showEvent(QShowEvent* event) {
    if (pixmap().isNull())
        ShowPixmap();
    QLabel::showEvent(event);
}

bool Picture::Visible() const {
    return VisibleInForm(*this);
}

Bounds Picture::Geometry() const {
    return GeometryOf(*this);
}

}  // namespace vindel::qt
