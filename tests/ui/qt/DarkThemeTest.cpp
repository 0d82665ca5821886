// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QStyle>
#include <map>

#include "ProgramWindows.h"
#include "ui/Diagram.h"
#include "ui/Telnet.h"
#include "ui/qt/FormStyle.h"
#include "ui/qt/Widgets.h"

namespace vindel {
namespace {

using qt::WidgetOf;

// A dark desktop theme's colours (Adwaita dark), as a platform theme hands
// them to the application.
QPalette DarkDesktopPalette() {
    QPalette palette;
    const QColor light(0xee, 0xee, 0xec);
    palette.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    palette.setColor(QPalette::WindowText, light);
    palette.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
    palette.setColor(QPalette::AlternateBase, QColor(0x35, 0x35, 0x35));
    palette.setColor(QPalette::Text, light);
    palette.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    palette.setColor(QPalette::ButtonText, light);
    palette.setColor(QPalette::Light, QColor(0x4a, 0x4a, 0x4a));
    palette.setColor(QPalette::Midlight, QColor(0x40, 0x40, 0x40));
    palette.setColor(QPalette::Mid, QColor(0x25, 0x25, 0x25));
    palette.setColor(QPalette::Dark, QColor(0x1b, 0x1b, 0x1b));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9e));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::PlaceholderText, QColor(0x91, 0x91, 0x90));
    return palette;
}

// How light (0 to 255) the most frequent colour of an area is, its
// background, and its darkest pixel, the text drawn on it.
struct Lightness {
    int background = 0;
    int text = 255;
};

Lightness Measure(const QImage& image, const QRect& area) {
    std::map<QRgb, int> counts;
    Lightness lightness;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            ++counts[pixel];
            lightness.text = std::min(lightness.text, qGray(pixel));
        }
    }
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](auto& a, auto& b) { return a.second < b.second; });
    lightness.background = qGray(most->first);
    return lightness;
}

// The desktop's dark palette is in place before the windows exist.
class DarkThemeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QApplication::setPalette(DarkDesktopPalette());
        program_ = testing::StartWindows();
    }
    void TearDown() override {
        program_.reset();
        QApplication::setPalette(saved_);
    }

    const QPalette saved_ = QApplication::palette();
    std::unique_ptr<testing::TestProgram> program_;
};

TEST_F(DarkThemeTest, TheWindowsKeepTheirDesignedColours) {
    WidgetOf<QComboBox>(*Form1->Probox).setCurrentIndex(0);
    Form2->FormActivate();  // shows its button
    const QImage main = WidgetOf(*Form1).grab().toImage();
    const QImage diagram = WidgetOf(*Form2).grab().toImage();
    EXPECT_EQ(main.pixel(900, 300), qRgb(255, 255, 255));
    EXPECT_EQ(diagram.pixel(800, 300), qRgb(255, 255, 255));

    // Dark text on a light ground: the window's sentences, an edit box, a
    // combo box and the buttons.
    const std::pair<const QImage&, const Control*> controls[] = {
        {main, Form1->Label3},     {main, Form1->Label20}, {main, Form1->Edit1},
        {main, Form1->Probox},     {main, Form1->Button1}, {diagram, Form2->Label2},
        {diagram, Form2->BitBtn1},
    };
    for (const auto& [image, control] : controls) {
        const QWidget& widget = WidgetOf(*control);
        SCOPED_TRACE(widget.objectName().toStdString());
        const Lightness lightness = Measure(image, widget.geometry());
        EXPECT_GE(lightness.background, 200);
        EXPECT_LE(lightness.text, 80);
    }
}

// The designed palette is written out, since under a platform theme the
// style's own is the theme's. Here, with no platform theme, it is still Qt's
// own light palette, which the screenshots show, with a white window.
TEST(DesignedPaletteTest, IsQtsOwnLightPaletteWithAWhiteWindow) {
    const QPalette designed = qt::DesignedPalette();
    const QPalette standard = QApplication::style()->standardPalette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto colourRole = static_cast<QPalette::ColorRole>(role);
            if (colourRole == QPalette::NoRole)
                continue;
            SCOPED_TRACE(::testing::Message() << "group " << group << ", role " << role);
            EXPECT_TRUE(designed.isBrushSet(group, colourRole));
            if (colourRole == QPalette::Window)
                EXPECT_EQ(designed.color(group, colourRole), QColor(Qt::white));
            else if (colourRole == QPalette::WindowText)
                EXPECT_EQ(designed.color(group, colourRole), QColor(Qt::black));
            else
                EXPECT_EQ(designed.color(group, colourRole), standard.color(group, colourRole));
        }
    }
}

}  // namespace
}  // namespace vindel
