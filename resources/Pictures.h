// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string_view>

namespace vindel {

// Resource paths of the embedded pictures.
inline const QString BannerPicturePath = QStringLiteral(":/pictures/banner.bmp");
inline const QString IconPicturePath = QStringLiteral(":/pictures/icon.png");

// The path of a picture from its file name, as the window descriptions and
// the catalogue's FrontPicture give it.
QString PicturePath(std::u16string_view fileName);

// Registers the embedded pictures. They live in a static library, whose
// registration code the linker would otherwise leave out; call once before
// the first picture is loaded.
void InitPictures();

}  // namespace vindel
