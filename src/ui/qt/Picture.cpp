// SPDX-License-Identifier: MIT
#include "ui/qt/Picture.h"

#include <cmath>

#include "resources/Pictures.h"
#include "ui/qt/QtText.h"
#include "ui/qt/Widgets.h"

namespace vindel::qt {

Picture::Picture(QWidget* parent, const ControlDescription& description)
    : QLabel(parent),
      natural_(PicturePath(description.picture)),
      designed_(description.bounds),
      auto_size_(description.autoSize) {
    setObjectName(ToQString(description.name));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setPixmap(natural_);
    const QPoint position(designed_.left, designed_.top);
    setGeometry(auto_size_ ? QRect(position, natural_.size())
                           : QRect(position, QSize(designed_.width, designed_.height)));
}

void Picture::SetScale(double scale) {
    const auto scaled = [scale](int designed) {
        return static_cast<int>(std::lround(designed * scale));
    };
    const QSize pictureSize(scaled(natural_.width()), scaled(natural_.height()));
    setPixmap(scale == 1
                  ? natural_
                  : natural_.scaled(pictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    const QPoint position(scaled(designed_.left), scaled(designed_.top));
    setGeometry(auto_size_
                    ? QRect(position, pictureSize)
                    : QRect(position, QSize(scaled(designed_.width), scaled(designed_.height))));
}

bool Picture::Visible() const {
    return VisibleInForm(*this);
}

Bounds Picture::Geometry() const {
    return GeometryOf(*this);
}

}  // namespace vindel::qt
