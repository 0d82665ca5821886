// SPDX-License-Identifier: MIT
// The main window on a 1920 x 1080 screen at 150 % (QT_SCALE_FACTOR=1.5)
// under a panel that reserves a strip of it, on a real X server with a
// window manager: it lies in the work area, its button included, and its
// labels don't run into each other.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <limits>

#include "Driving.h"
#include "ProgramWindows.h"
#include "X11Display.h"
#include "ui/ComboBox.h"
#include "ui/Telnet.h"
#include "ui/qt/Widgets.h"

namespace vindel {
namespace {

using qt::WidgetOf;
using testing::X11Display;

// Where a label has drawn ink, in its form's coordinates: the columns
// (merged into one span per word and letter) and the rows.
struct Ink final {
    QString name;
    std::vector<std::pair<int, int>> columns;  // [first, last]
    int top = 0;
    int bottom = -1;
};

Ink InkOf(QLabel& label) {
    QImage image(label.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    Ink ink{label.objectName(), {}, std::numeric_limits<int>::max(), -1};
    for (int x = 0; x < image.width(); ++x) {
        bool inked = false;
        for (int y = 0; y < image.height(); ++y) {
            if (qAlpha(image.pixel(x, y)) == 0)
                continue;
            inked = true;
            ink.top = std::min(ink.top, y + label.y());
            ink.bottom = std::max(ink.bottom, y + label.y());
        }
        if (!inked)
            continue;
        const int column = x + label.x();
        if (!ink.columns.empty() && ink.columns.back().second == column - 1)
            ink.columns.back().second = column;
        else
            ink.columns.emplace_back(column, column);
    }
    if (ink.bottom < 0)
        ink.top = 0;
    return ink;
}

bool Overlap(const Ink& a, const Ink& b) {
    if (a.bottom < b.top || b.bottom < a.top)
        return false;
    for (const auto& [aFirst, aLast] : a.columns) {
        for (const auto& [bFirst, bLast] : b.columns) {
            if (aFirst <= bLast && bFirst <= aLast)
                return true;
        }
    }
    return false;
}

TEST(X11ScreenFitTest, TheMainWindowFitsTheWorkAreaAt150PercentAndItsLabelsDontOverlap) {
    X11Display display;
    ASSERT_TRUE(display.Connected()) << "no X server";
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(screen->geometry().size(), QSize(1280, 720)) << "a 1920 x 1080 screen at 150 %";
    // A panel of 60 pixels, 40 of Qt's units, along the bottom.
    display.ReserveBottomStrip(60);
    ASSERT_TRUE(testing::WaitFor([&] { return screen->availableGeometry().height() == 680; }))
        << "the window manager gave no work area: " << display.WorkArea().height();

    const auto program = testing::StartWindows();
    ASSERT_TRUE(testing::Activate(*Form1));
    QWidget& window = WidgetOf(*Form1);
    const QRect work = screen->availableGeometry();
    // Framed by the window manager, and fitted again with that frame.
    ASSERT_TRUE(testing::WaitFor([&] {
        return window.frameGeometry() != window.geometry() && work.contains(window.frameGeometry());
    })) << "frame "
        << window.frameGeometry().y() << " + " << window.frameGeometry().height() << ", work area "
        << work.y() << " + " << work.height();
    const auto& connect = WidgetOf<QPushButton>(*Form1->Button1);
    EXPECT_TRUE(work.contains(QRect(connect.mapToGlobal(QPoint(0, 0)), connect.size())));
    // Scaled down, in proportion.
    EXPECT_LT(window.height(), 669);
    EXPECT_NEAR(window.width() * 669.0 / window.height(), 969, 2);

    // With a model chosen every value label shows over its sentence.
    testing::PickEntry(*Form1->Probox, 0);
    ASSERT_EQ(Form1->Label13->Caption(), u"Port G10");
    testing::Drain();
    std::vector<Ink> inks;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->isVisible() && label->pixmap().isNull() && !label->text().trimmed().isEmpty())
            inks.push_back(InkOf(*label));
    }
    ASSERT_GE(inks.size(), 15U);
    for (std::size_t i = 0; i < inks.size(); ++i) {
        for (std::size_t j = i + 1; j < inks.size(); ++j)
            EXPECT_FALSE(Overlap(inks[i], inks[j]))
                << inks[i].name.toStdString() << " and " << inks[j].name.toStdString();
    }
}

}  // namespace
}  // namespace vindel
