// SPDX-License-Identifier: MIT
#include "Banner.h"

#include "Icon.h"
#include "PictureFont.h"

#include <QPainter>

namespace vindel {

QImage DrawBanner() {
    QImage image(999, 33, QImage::Format_RGB888);
    image.fill(QColor(115, 151, 201));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    // The main window shows the strip two pixels left of its edge and the
    // diagram window two pixels above it, so nothing is drawn in those margins.
    DrawMatrixMark(p, QRectF(7, 5, 22, 22), Qt::white);
    p.setPen(Qt::white);
    p.setFont(PictureFont(QStringLiteral("Carlito"), 20, QFont::Bold));
    p.drawText(QRect(35, 2, 120, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Vindel"));
    p.setFont(PictureFont(QStringLiteral("Carlito"), 10));
    p.drawText(QRect(36, 20, 200, 11), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("AV over IP matrix"));
    return image;
}

}  // namespace vindel
