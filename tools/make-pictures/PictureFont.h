// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>

namespace vindel {

// A font for the pictures at an exact pixel size. Throws std::runtime_error
// when the family is not installed, because a stand-in font would silently
// change the committed pictures.
QFont PictureFont(const QString& family, int pixelSize, QFont::Weight weight = QFont::Normal);

}  // namespace vindel
