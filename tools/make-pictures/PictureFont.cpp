// SPDX-License-Identifier: MIT
#include "PictureFont.h"

#include <QFontInfo>

#include <stdexcept>

namespace vindel {

QFont PictureFont(const QString& family, int pixelSize, QFont::Weight weight) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    // Fixed hinting, so that the result does not depend on the fontconfig
    // settings of whoever regenerates the pictures.
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    if (QFontInfo(font).family() != family) {
        throw std::runtime_error("font not installed: " + family.toStdString());
    }
    return font;
}

}  // namespace vindel
