// SPDX-License-Identifier: MIT
#include "Icon.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstdint>

namespace vindel {
namespace {

void AppendLe16(QByteArray& out, int value) {
    const auto v = qToLittleEndian(static_cast<std::uint16_t>(value));
    out.append(reinterpret_cast<const char*>(&v), sizeof v);
}

void AppendLe32(QByteArray& out, int value) {
    const auto v = qToLittleEndian(static_cast<std::uint32_t>(value));
    out.append(reinterpret_cast<const char*>(&v), sizeof v);
}

}  // namespace

void DrawMatrixMark(QPainter& p, const QRectF& box, const QColor& colour) {
    const qreal step = box.width() / 4;
    const qreal line = box.width() / 14;
    QColor faint = colour;
    faint.setAlphaF(0.55f);
    p.setPen(Qt::NoPen);
    p.setBrush(faint);
    for (int k = 1; k <= 3; ++k) {
        p.drawRect(QRectF(box.left(), box.top() + k * step - line / 2, box.width(), line));
        p.drawRect(QRectF(box.left() + k * step - line / 2, box.top(), line, box.height()));
    }
    // One route per output, as a crossbar would switch them.
    p.setBrush(colour);
    const qreal radius = step * 0.36;
    const std::array<std::array<int, 2>, 3> routes{{{1, 2}, {2, 3}, {3, 1}}};
    for (const auto& route : routes) {
        p.drawEllipse(QPointF(box.left() + route[0] * step, box.top() + route[1] * step), radius,
                      radius);
    }
}

QImage DrawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal scale = size / 48.0;
    p.scale(scale, scale);
    QLinearGradient tile(0, 1, 0, 47);
    tile.setColorAt(0, QColor(128, 164, 214));
    tile.setColorAt(1, QColor(74, 108, 164));
    // The outline grows with the tile but never gets thinner than one pixel,
    // or it would fade out at 16 and 32 pixels.
    p.setPen(QPen(QColor(52, 78, 122), std::max(1.0, 1.0 / scale)));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(1.5, 1.5, 45, 45), 9, 9);
    DrawMatrixMark(p, QRectF(6, 6, 36, 36), Qt::white);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray IcoFile(const QImage& icon) {
    const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
    const int w = argb.width();
    const int h = argb.height();
    const int maskStride = ((w + 31) / 32) * 4;
    const int imageBytes = 40 + w * h * 4 + maskStride * h;

    QByteArray out;
    // ICONDIR and its one ICONDIRENTRY.
    AppendLe16(out, 0);
    AppendLe16(out, 1);
    AppendLe16(out, 1);
    out.append(static_cast<char>(w));
    out.append(static_cast<char>(h));
    out.append('\0');  // no palette
    out.append('\0');
    AppendLe16(out, 1);   // planes
    AppendLe16(out, 32);  // bits per pixel
    AppendLe32(out, imageBytes);
    AppendLe32(out, 6 + 16);
    // BITMAPINFOHEADER; an icon's height counts the colour rows and the mask rows.
    AppendLe32(out, 40);
    AppendLe32(out, w);
    AppendLe32(out, 2 * h);
    AppendLe16(out, 1);
    AppendLe16(out, 32);
    for (int k = 0; k < 6; ++k) {
        AppendLe32(out, 0);
    }
    // Rows bottom-up, BGRA with straight alpha: the layout of Format_ARGB32
    // on a little-endian machine, written out byte by byte to stay portable.
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const QRgb c = argb.pixel(x, y);
            out.append(static_cast<char>(qBlue(c)));
            out.append(static_cast<char>(qGreen(c)));
            out.append(static_cast<char>(qRed(c)));
            out.append(static_cast<char>(qAlpha(c)));
        }
    }
    // The AND mask, for readers that ignore alpha: set where fully transparent.
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x) {
            if (qAlpha(argb.pixel(x, y)) == 0) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.append(row);
    }
    return out;
}

}  // namespace vindel
