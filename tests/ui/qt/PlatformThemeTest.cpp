// SPDX-License-Identifier: MIT
// The windows under a real platform theme with a dark desktop theme (Qt's
// gtk3 platform theme with GTK's Adwaita:dark), on a private X server. The
// platform theme gives line edits, combo boxes and buttons palettes of their
// own, which a dark application palette on the offscreen platform doesn't
// show: the fields must stay light with the designed dark text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <map>

#include "ProgramWindows.h"
#include "X11Display.h"
#include "ui/Diagram.h"
#include "ui/Telnet.h"
#include "ui/qt/Widgets.h"

namespace vindel {
namespace {

using qt::WidgetOf;
using testing::X11Display;

// How light (0 to 255) an area's most frequent colour is, its background,
// and its darkest pixel, the text drawn on it.
struct Lightness {
    int background = 0;
    int text = 255;
};

Lightness Measure(const QImage& image) {
    std::map<QRgb, int> counts;
    Lightness lightness;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            ++counts[pixel];
            lightness.text = std::min(lightness.text, qGray(pixel));
        }
    }
    if (counts.empty())
        return {};
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](auto& a, auto& b) { return a.second < b.second; });
    lightness.background = qGray(most->first);
    return lightness;
}

// A control's inside as the X server shows it, without its frame.
QImage OnScreen(X11Display& display, const Control& control) {
    const QWidget& widget = WidgetOf(control);
    const QRect area(widget.mapToGlobal(QPoint(0, 0)), widget.size());
    return display.Grab(area.adjusted(3, 3, -3, -3));
}

// Each control once drawn: a light background, and text dark enough to read
// on it.
void ExpectLightWithDarkText(X11Display& display, std::initializer_list<const Control*> controls) {
    for (const Control* control : controls) {
        SCOPED_TRACE(WidgetOf(*control).objectName().toStdString());
        Lightness lightness;
        (void)QTest::qWaitFor(
            [&] {
                lightness = Measure(OnScreen(display, *control));
                return lightness.background >= 200 && lightness.text <= 80;
            },
            5000);
        EXPECT_GE(lightness.background, 200);
        EXPECT_LE(lightness.text, 80);
    }
}

TEST(PlatformThemeTest, UnderADarkDesktopThemeTheFieldsStayLightWithDarkText) {
    X11Display display;
    ASSERT_TRUE(display.Connected()) << "no X server";
    // The theme this test is about is the one in use.
    ASSERT_LT(QApplication::palette("QLineEdit").color(QPalette::Base).lightness(), 100)
        << "the gtk3 platform theme with a dark GTK theme is not in use";

    const auto program = testing::StartWindows();
    // Text in every kind of field: the address is there from the start.
    WidgetOf<QComboBox>(*Form1->Probox).setCurrentIndex(0);
    Form1->Edit2->SetText(u"admin");
    Form1->Edit3->SetText(u"secret");
    Form1->Show();
    ExpectLightWithDarkText(
        display, {Form1->Probox, Form1->Edit1, Form1->Edit2, Form1->Edit3, Form1->Button1});
    // The diagram window, which lies over the main window's fields.
    Form2->Show();
    Form2->FormActivate();  // shows its button
    ExpectLightWithDarkText(display, {Form2->BitBtn1});
}

}  // namespace
}  // namespace vindel

int main(int argc, char** argv) {
    // The platform theme is chosen when the application starts.
    ::setenv("QT_QPA_PLATFORMTHEME", "gtk3", 1);
    ::setenv("GTK_THEME", "Adwaita:dark", 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
