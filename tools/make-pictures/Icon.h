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

// The 48 x 48 program icon with alpha: the mark on a rounded blue tile.
QImage DrawIcon();

// The icon as a Windows .ico file holding one 48 x 48, 32 bits per pixel
// image, for the Windows build's icon resource.
QByteArray IcoFile(const QImage& icon);

}  // namespace vindel
