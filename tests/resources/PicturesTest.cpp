// SPDX-License-Identifier: MIT
#include "catalogue/SwitchModels.h"
#include "common/Text.h"
#include "resources/Pictures.h"

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace vindel {
namespace {

QByteArray ReadResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "missing resource " << path.toStdString();
        return {};
    }
    return file.readAll();
}

std::uint32_t BigEndian32(const QByteArray& bytes, int at) {
    std::uint32_t value = 0;
    for (int k = 0; k < 4; ++k) {
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + k]);
    }
    return value;
}

int Byte(const QByteArray& bytes, int at) {
    return static_cast<std::uint8_t>(bytes[at]);
}

// The PNG header as stored, not as QImage converts it on loading.
struct PngHeader {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int bitDepth = 0;
    int colourType = 0;  // 2: RGB, 6: RGB with alpha
};

PngHeader ReadPngHeader(const QByteArray& bytes) {
    if (!bytes.startsWith("\x89PNG\r\n\x1a\n") || bytes.mid(12, 4) != "IHDR") {
        ADD_FAILURE() << "not a PNG file";
        return {};
    }
    return {BigEndian32(bytes, 16), BigEndian32(bytes, 20), Byte(bytes, 24), Byte(bytes, 25)};
}

bool IsYellow(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(255, 255, 0);
}

// How many pixels of the outline of ring are yellow, and how many it has.
std::pair<int, int> YellowOnOutline(const QImage& image, const QRect& ring) {
    int yellow = 0;
    int total = 0;
    for (int x = ring.left(); x <= ring.right(); ++x) {
        for (int y = ring.top(); y <= ring.bottom(); ++y) {
            const bool onEdge =
                x == ring.left() || x == ring.right() || y == ring.top() || y == ring.bottom();
            if (onEdge) {
                ++total;
                yellow += IsYellow(image, x, y) ? 1 : 0;
            }
        }
    }
    return {yellow, total};
}

TEST(Pictures, FrontsAreRgbPngsWithTheControlPortFramed) {
    const struct {
        std::u16string_view model;
        int width;
        QRect frame;  // outer edges, inclusive
        int thickness;
    } fronts[] = {
        {u"SG300-10", 501, QRect(QPoint(385, 26), QPoint(431, 76)), 2},
        {u"SG300-20", 807, QRect(QPoint(723, 39), QPoint(771, 79)), 4},
        {u"SG300-28", 828, QRect(QPoint(742, 38), QPoint(787, 75)), 3},
        {u"SG300-52", 829, QRect(QPoint(745, 39), QPoint(792, 76)), 4},
    };
    for (const auto& front : fronts) {
        SCOPED_TRACE(ToUtf8(front.model));
        const SwitchModel* row = FindModelByName(front.model);
        ASSERT_NE(row, nullptr);
        const QByteArray bytes = ReadResource(PicturePath(row->FrontPicture));
        const PngHeader header = ReadPngHeader(bytes);
        EXPECT_EQ(header.width, static_cast<std::uint32_t>(front.width));
        EXPECT_EQ(header.height, 85u);
        EXPECT_EQ(header.bitDepth, 8);
        EXPECT_EQ(header.colourType, 2);

        const QImage image = QImage::fromData(bytes, "PNG");
        ASSERT_EQ(image.size(), QSize(front.width, 85));
        EXPECT_FALSE(image.hasAlphaChannel());
        // Every ring of the frame's thickness is wholly yellow; the ring just
        // outside it and the one just inside it have no yellow at all.
        for (int k = 0; k < front.thickness; ++k) {
            const QRect ring = front.frame.adjusted(k, k, -k, -k);
            const auto [yellow, total] = YellowOnOutline(image, ring);
            EXPECT_EQ(yellow, total) << "ring " << k << " inside the outer edge";
        }
        EXPECT_EQ(YellowOnOutline(image, front.frame.adjusted(-1, -1, 1, 1)).first, 0);
        const int t = front.thickness;
        EXPECT_EQ(YellowOnOutline(image, front.frame.adjusted(t, t, -t, -t)).first, 0);
    }
}

// The Windows program embeds the fronts as BMP files (resources/windows),
// which must show what the PNG files show.
TEST(Pictures, TheWindowsProgramsFrontsAre24BitBitmapsOfTheSamePixels) {
    const QString windowsDir = QStringLiteral(VINDEL_WINDOWS_RESOURCES);
    for (const SwitchModel& model : SwitchModels) {
        SCOPED_TRACE(ToUtf8(model.ModelName));
        const QString name = QString::fromUtf16(model.ModelName.data(),
                                                static_cast<qsizetype>(model.ModelName.size()));
        const QByteArray bytes = ReadResource(windowsDir + u'/' + name + QStringLiteral(".bmp"));
        ASSERT_GE(bytes.size(), 54);
        EXPECT_TRUE(bytes.startsWith("BM"));
        EXPECT_EQ(Byte(bytes, 28) | Byte(bytes, 29) << 8, 24);  // bits per pixel
        EXPECT_EQ(BigEndian32(bytes, 30), 0u);                  // uncompressed

        const QImage png = QImage::fromData(ReadResource(PicturePath(model.FrontPicture)), "PNG")
                               .convertToFormat(QImage::Format_RGB32);
        const QImage bmp = QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(bmp, png);
    }
}

TEST(Pictures, BannerIsA24BitBlueBitmapWithWhiteLettering) {
    const QByteArray bytes = ReadResource(BannerPicturePath);
    ASSERT_GE(bytes.size(), 54);
    EXPECT_TRUE(bytes.startsWith("BM"));
    EXPECT_EQ(Byte(bytes, 28) | Byte(bytes, 29) << 8, 24);  // bits per pixel
    EXPECT_EQ(BigEndian32(bytes, 30), 0u);                  // uncompressed

    const QImage image = QImage::fromData(bytes, "BMP");
    ASSERT_EQ(image.size(), QSize(999, 33));
    const QRgb blue = qRgb(115, 151, 201);
    for (const QPoint corner : {QPoint(0, 0), QPoint(998, 0), QPoint(0, 32), QPoint(998, 32)}) {
        EXPECT_EQ(image.pixel(corner), blue) << corner.x() << "," << corner.y();
    }
    EXPECT_EQ(image.pixel(500, 16), blue);
    // The wordmark is at the left end, clear of the two rows and columns that
    // the windows cut off.
    int white = 0;
    for (int x = 0; x < 200; ++x) {
        for (int y = 0; y < 33; ++y) {
            if (QColor(image.pixel(x, y)).lightness() > 240) {
                EXPECT_TRUE(x >= 2 && y >= 2) << x << "," << y;
                ++white;
            }
        }
    }
    EXPECT_GT(white, 100);
}

TEST(Pictures, IconIs48By48WithAlpha) {
    const QByteArray bytes = ReadResource(IconPicturePath);
    const PngHeader header = ReadPngHeader(bytes);
    EXPECT_EQ(header.width, 48u);
    EXPECT_EQ(header.height, 48u);
    EXPECT_EQ(header.bitDepth, 8);
    EXPECT_EQ(header.colourType, 6);

    const QImage image = QImage::fromData(bytes, "PNG");
    ASSERT_EQ(image.size(), QSize(48, 48));
    EXPECT_TRUE(image.hasAlphaChannel());
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);  // rounded corners are see-through
    EXPECT_EQ(qAlpha(image.pixel(24, 24)), 255);
}

}  // namespace
}  // namespace vindel

int main(int argc, char** argv) {
    // Before the application object exists, so that no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    vindel::InitPictures();
    return RUN_ALL_TESTS();
}
