// SPDX-License-Identifier: MIT
#include "FrontPanel.h"

#include "PictureFont.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace vindel {
namespace {

constexpr int LabelHeight = 10;
constexpr int LeftAreaWidth = 74;  // indicators and model name
constexpr int SfpWidth = 30;
constexpr int GroupColumns = 4;  // ports come in blocks of four columns

const QColor TextColour(218, 222, 228);
const QColor FrameColour(255, 255, 0);

// Width of a block of columns with the given gaps inside and between groups.
int BlockWidth(int columns, int jackWidth, int pairGap, int groupGap) {
    const int groups = (columns + GroupColumns - 1) / GroupColumns;
    return columns * jackWidth + (columns - groups) * pairGap + (groups - 1) * groupGap;
}

// Whether the port's link light is on; a fixed pattern, so that the pictures
// come out the same each time they are drawn.
bool LinkLit(int index) {
    return (index * 7) % 5 < 2;
}

void DrawChassis(QPainter& p, int width) {
    QLinearGradient face(0, 0, 0, FrontPanel::Height);
    face.setColorAt(0.0, QColor(88, 92, 99));
    face.setColorAt(0.10, QColor(66, 69, 75));
    face.setColorAt(0.90, QColor(50, 53, 58));
    face.setColorAt(1.0, QColor(32, 34, 37));
    p.fillRect(0, 0, width, FrontPanel::Height, face);
    p.fillRect(0, 0, width, 1, QColor(132, 136, 144));
    p.fillRect(0, FrontPanel::Height - 1, width, 1, QColor(18, 19, 21));
    p.fillRect(0, 0, 1, FrontPanel::Height, QColor(26, 27, 30));
    p.fillRect(width - 1, 0, 1, FrontPanel::Height, QColor(26, 27, 30));
}

void DrawPortBay(QPainter& p, const QRect& bay) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QColor(86, 90, 97));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(bay).translated(0.5, 1.5), 3, 3);
    p.setPen(QColor(22, 23, 26));
    p.setBrush(QColor(37, 39, 43));
    p.drawRoundedRect(QRectF(bay).translated(0.5, 0.5), 3, 3);
}

void DrawIndicators(QPainter& p, const QString& modelName) {
    p.setRenderHint(QPainter::Antialiasing, true);
    const QFont small = PictureFont(QStringLiteral("Carlito"), 9);

    // System light, lit green, with a little glow around it.
    QRadialGradient glow(QPointF(13, 16), 6);
    glow.setColorAt(0, QColor(120, 255, 150, 150));
    glow.setColorAt(1, QColor(120, 255, 150, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(13, 16), 6, 6);
    p.setBrush(QColor(96, 232, 124));
    p.drawRoundedRect(QRectF(10, 14.5, 6, 3), 1, 1);

    // Reset: a recessed pinhole.
    p.setBrush(QColor(112, 116, 123));
    p.drawEllipse(QPointF(13, 34), 3.5, 3.5);
    p.setBrush(QColor(10, 10, 12));
    p.drawEllipse(QPointF(13, 34), 2.2, 2.2);

    p.setFont(small);
    p.setPen(TextColour);
    p.drawText(QRect(21, 10, 52, 12), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("System"));
    p.drawText(QRect(21, 28, 52, 12), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Reset"));

    p.setFont(PictureFont(QStringLiteral("Carlito"), 13, QFont::Bold));
    p.setPen(QColor(236, 238, 242));
    p.drawText(QRect(8, 64, 66, 16), Qt::AlignLeft | Qt::AlignVCenter, modelName);
}

// Ventilation slots for the blank stretch of the wider panels.
void DrawGrille(QPainter& p, const QRect& area) {
    p.setRenderHint(QPainter::Antialiasing, false);
    constexpr int slotWidth = 12;
    constexpr int pitchX = 17;
    constexpr int pitchY = 7;
    const int columns = (area.width() + pitchX - slotWidth) / pitchX;
    const int left = area.left() + (area.width() - (columns * pitchX - (pitchX - slotWidth))) / 2;
    for (int row = 0, y = area.top(); y + 3 <= area.bottom(); ++row, y += pitchY) {
        const int shift = (row % 2) * (pitchX / 2);
        for (int c = 0; c < columns; ++c) {
            const int x = left + c * pitchX + shift;
            if (x + slotWidth - 1 > area.right()) {
                continue;
            }
            p.fillRect(x, y, slotWidth, 3, QColor(24, 25, 28));
            p.fillRect(x, y + 3, slotWidth, 1, QColor(84, 88, 95));
        }
    }
}

void DrawSfpSlot(QPainter& p, const QRect& slot) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(slot, QColor(96, 100, 106));
    p.fillRect(slot.adjusted(1, 1, -1, -1), QColor(164, 168, 175));
    p.fillRect(slot.adjusted(1, 1, -1, -slot.height() + 2), QColor(200, 204, 210));
    const QRect opening = slot.adjusted(3, 3, -3, -3);
    p.fillRect(opening, QColor(14, 14, 16));
    p.fillRect(opening.adjusted(0, opening.height() - 1, 0, 0), QColor(46, 47, 51));
    // The cage's latch spring in the middle of the lower edge.
    p.fillRect(QRect(slot.center().x() - 3, slot.bottom() - 2, 7, 2), QColor(120, 124, 130));
}

}  // namespace

FrontPanel::FrontPanel(FrontPanelModel model) : model_(std::move(model)) {
    LayOut();
}

void FrontPanel::AddColumn(int x, int jackWidth, const QString& topName,
                           const QString& bottomName) {
    if (!topName.isEmpty()) {
        jacks_.push_back({QRect(x, top_jack_y_, jackWidth, jack_height_),
                          QRect(x - 6, top_jack_y_ - LabelHeight, jackWidth + 12, LabelHeight),
                          topName, true});
    }
    const int labelTop = bottom_jack_y_ + jack_height_;
    jacks_.push_back({QRect(x, bottom_jack_y_, jackWidth, jack_height_),
                      QRect(x - 6, labelTop, jackWidth + 12, LabelHeight), bottomName, false});
}

void FrontPanel::LayOut() {
    const QRect& frame = model_.frame;
    const int t = model_.frameThickness;
    const QRect inner = frame.adjusted(t, t, -t, -t);
    const bool twoRows = model_.rows == 2;

    // Vertically the framed port and its name fill the inside of the frame;
    // the upper row mirrors the lower one above the frame.
    if (twoRows) {
        jack_height_ = inner.height() - LabelHeight - 1;
        bottom_jack_y_ = inner.top() + 1;
        top_jack_y_ = frame.top() - 2 - jack_height_;
    } else {
        jack_height_ = 26;
        bottom_jack_y_ = inner.top() + (inner.height() - jack_height_ - LabelHeight) / 2;
        top_jack_y_ = bottom_jack_y_;
    }

    const int gigabitPorts = twoRows ? 4 : 2;
    const int mainPorts = model_.portCount - gigabitPorts;
    const int mainColumns = twoRows ? mainPorts / 2 : mainPorts;

    // The widest jack with which every port fits between the indicators and
    // the framed port.
    int jackWidth = 30;
    int lastX = 0;
    int firstGigabitX = 0;
    int sfpX = 0;
    int mainRight = 0;
    for (;; --jackWidth) {
        if (jackWidth < 14) {
            throw std::runtime_error("ports do not fit: " + model_.modelName.toStdString());
        }
        lastX = inner.left() + (inner.width() - jackWidth) / 2;
        // The neighbour of the framed port keeps two pixels clear of the frame.
        firstGigabitX = std::min(lastX - jackWidth - 8, frame.left() - 3 - jackWidth);
        sfpX = twoRows ? firstGigabitX - 9 - SfpWidth : frame.right() + 10;
        mainRight = (twoRows ? sfpX : firstGigabitX) - 13;
        if (BlockWidth(mainColumns, jackWidth, 3, 6) <= mainRight - LeftAreaWidth) {
            break;
        }
    }
    // Spread the ports a little where the panel is wide; what is left over
    // becomes ventilation slots.
    const int room = mainRight - LeftAreaWidth;
    int pairGap = 3;
    int groupGap = 6;
    while (pairGap < 5 && BlockWidth(mainColumns, jackWidth, pairGap + 1, groupGap) <= room) {
        ++pairGap;
    }
    while (groupGap < 16 && BlockWidth(mainColumns, jackWidth, pairGap, groupGap + 1) <= room) {
        ++groupGap;
    }
    const int mainLeft = mainRight - BlockWidth(mainColumns, jackWidth, pairGap, groupGap);

    for (int c = 0, x = mainLeft; c < mainColumns; ++c) {
        if (c > 0) {
            x += jackWidth + (c % GroupColumns == 0 ? groupGap : pairGap);
        }
        if (twoRows) {
            AddColumn(x, jackWidth, QString::number(2 * c + 1), QString::number(2 * c + 2));
        } else {
            AddColumn(x, jackWidth, QString(), QString::number(c + 1));
        }
    }
    const auto gigabitName = [&](int k) { return QStringLiteral("G%1").arg(mainPorts + k); };
    if (twoRows) {
        AddColumn(firstGigabitX, jackWidth, gigabitName(1), gigabitName(2));
        AddColumn(lastX, jackWidth, gigabitName(3), gigabitName(4));
        sfp_slots_ = {QRect(sfpX, top_jack_y_ + 2, SfpWidth, jack_height_ - 4),
                      QRect(sfpX, bottom_jack_y_ + 2, SfpWidth, jack_height_ - 4)};
    } else {
        AddColumn(firstGigabitX, jackWidth, QString(), gigabitName(1));
        AddColumn(lastX, jackWidth, QString(), gigabitName(2));
        const int slotHeight = 17;
        const int top = bottom_jack_y_ + (jack_height_ + LabelHeight) / 2 - slotHeight - 2;
        sfp_slots_ = {QRect(sfpX, top, SfpWidth, slotHeight),
                      QRect(sfpX, top + slotHeight + 4, SfpWidth, slotHeight)};
    }

    const int bayTop = (twoRows ? top_jack_y_ - LabelHeight : bottom_jack_y_) - 4;
    const int bayBottom = bottom_jack_y_ + jack_height_ + LabelHeight + (twoRows ? 2 : 3);
    const int bayRight = std::max(frame.right(), sfp_slots_.front().right()) + 6;
    port_bay_ = QRect(QPoint(mainLeft - 7, bayTop), QPoint(bayRight, bayBottom));
    if (mainLeft - LeftAreaWidth > 48) {
        grille_ = QRect(QPoint(LeftAreaWidth + 8, 14), QPoint(mainLeft - 18, 70));
    }
}

QImage FrontPanel::Draw() const {
    QImage image(model_.width, Height, QImage::Format_RGB32);
    QPainter p(&image);
    DrawChassis(p, model_.width);
    DrawIndicators(p, model_.modelName);
    if (!grille_.isNull()) {
        DrawGrille(p, grille_);
    }
    DrawPortBay(p, port_bay_);
    for (const QRect& slot : sfp_slots_) {
        DrawSfpSlot(p, slot);
    }

    const QFont labelFont = PictureFont(QStringLiteral("Carlito"), 9);
    for (int i = 0; i < jacks_.size(); ++i) {
        const Jack& jack = jacks_[i];
        const QRect& b = jack.body;
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(b, QColor(20, 21, 23));
        p.fillRect(b.left(), b.top(), b.width(), 1, QColor(94, 98, 105));
        p.fillRect(b.left(), b.top(), 1, b.height(), QColor(70, 73, 79));
        p.fillRect(b.left(), b.bottom(), b.width(), 1, QColor(8, 8, 9));
        p.fillRect(b.right(), b.top(), 1, b.height(), QColor(8, 8, 9));

        // The opening, with the notch for the plug's latch on the latch side.
        const QRect open = b.adjusted(3, 3, -3, -3);
        const int notchHeight = std::max(3, open.height() / 5);
        const int notchWidth = (open.width() * 2 / 5) | 1;
        const QRect body = jack.latchUp ? open.adjusted(0, notchHeight, 0, 0)
                                        : open.adjusted(0, 0, 0, -notchHeight);
        const int notchX = open.left() + (open.width() - notchWidth) / 2;
        const QRect notch(notchX, jack.latchUp ? open.top() : open.bottom() - notchHeight + 1,
                          notchWidth, notchHeight);
        p.fillRect(body, QColor(5, 5, 6));
        p.fillRect(notch, QColor(5, 5, 6));
        const int shadeY = jack.latchUp ? body.bottom() : body.top();
        p.fillRect(body.left(), shadeY, body.width(), 1, QColor(30, 31, 34));

        // Eight gold contacts opposite the latch.
        const int contactsY = jack.latchUp ? body.bottom() - 3 : body.top() + 1;
        const int span = body.width() - 6;
        for (int k = 0; k < 8; ++k) {
            p.fillRect(body.left() + 3 + k * span / 7, contactsY, 1, 3, QColor(180, 150, 74));
        }

        // Link and speed lights in the corners beside the notch.
        const int lightWidth = std::max(3, (open.width() - notchWidth) / 2 - 3);
        const int lightY = jack.latchUp ? b.top() + 1 : b.bottom() - 2;
        const bool lit = LinkLit(i);
        p.fillRect(b.left() + 2, lightY, lightWidth, 2,
                   lit ? QColor(98, 236, 126) : QColor(38, 66, 46));
        p.fillRect(b.right() - 1 - lightWidth, lightY, lightWidth, 2,
                   lit && i % 2 == 0 ? QColor(244, 176, 52) : QColor(78, 60, 30));

        p.setRenderHint(QPainter::Antialiasing, true);
        p.setFont(labelFont);
        p.setPen(TextColour);
        p.drawText(jack.label, Qt::AlignCenter, jack.name);
    }

    // The frame last and without smoothing, so its pixels are exactly yellow.
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect& f = model_.frame;
    const int t = model_.frameThickness;
    p.fillRect(f.left(), f.top(), f.width(), t, FrameColour);
    p.fillRect(f.left(), f.bottom() - t + 1, f.width(), t, FrameColour);
    p.fillRect(f.left(), f.top(), t, f.height(), FrameColour);
    p.fillRect(f.right() - t + 1, f.top(), t, f.height(), FrameColour);
    p.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

}  // namespace vindel
