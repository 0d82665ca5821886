// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>

namespace vindel {

// Vindel's mark: three inputs crossing three outputs, with the chosen routes
// as dots on the crossings. Shared by the icon and the banner.
void DrawMatrixMark(QPainter& p, const QRectF& box, const QColor& colour);

// The program icon with alpha: the mark on a rounded blue tile. The drawing is
// laid out on a 48 x 48 grid and scaled to size x size, so the desktop theme's
// sizes show the same picture as the 48-pixel icon in the windows.
QImage DrawIcon(int size = 48);

// The icon as a Windows .ico file holding one 48 x 48, 32 bits per pixel
// image, for the Windows build's icon resource.
QByteArray IcoFile(const QImage& icon);

}  // namespace vindel
