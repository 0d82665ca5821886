// SPDX-License-Identifier: MIT
// The windows on a real X server with a window manager (openbox), where
// ownership, stacking, title bars, the toolkit's options and repainting show;
// the offscreen platform has none of them.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

#include "Driving.h"
#include "PrivateNetwork.h"
#include "ProgramWindows.h"
#include "ScratchDirectory.h"
#include "SimulatedSwitch.h"
#include "SkipOrFail.h"
#include "X11Display.h"
#include "common/Exception.h"
#include "qt/ModalBoxes.h"
#include "ui/Application.h"
#include "ui/Diagram.h"
#include "ui/Telnet.h"
#include "ui/qt/Widgets.h"

namespace vindel {
namespace {

using qt::WidgetOf;
using std::chrono::milliseconds;
using testing::ModalBoxAcceptor;
using testing::X11Display;

// Set by main before anything else runs: empty once the test is in its own
// network, where 127.0.0.1 port 23 is ours.
std::string privateNetworkFailure = "not tried";

// Moves the pointer there and clicks, through the X server, so that the
// window manager sees the click as the operator's.
bool ClickOnScreen(QPoint spot) {
    return QProcess::execute("xdotool", {"mousemove", "--sync", QString::number(spot.x()),
                                         QString::number(spot.y()), "click", "1"}) == 0;
}

bool AllWhite(const QImage& image) {
    if (image.isNull())
        return false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
        }
    }
    return true;
}

class X11WindowsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(display_.Connected()) << "no X server";
        program_ = testing::StartWindows();
        ASSERT_TRUE(testing::Activate(*Form1));
    }
    void TearDown() override { program_.reset(); }

    // Whether the window manager stacks `upper` above `lower`.
    bool Above(xcb_window_t upper, xcb_window_t lower) {
        const auto order = display_.Stacking();
        const auto at = [&](xcb_window_t window) {
            return std::find(order.begin(), order.end(), window);
        };
        return at(upper) != order.end() && at(lower) != order.end() && at(upper) > at(lower);
    }

    testing::ScratchDirectory scratch_{"x11"};
    X11Display display_;
    std::unique_ptr<testing::TestProgram> program_;
};

TEST_F(X11WindowsTest, TheDiagramWindowIsOwnedByTheMainWindow) {
    QWidget& mainWindow = WidgetOf(*Form1);
    QWidget& diagramWindow = WidgetOf(*Form2);
    Form2->Show();  // as the script shows it
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return QApplication::activeWindow() == &diagramWindow; }, 5000));
    const xcb_window_t form1 = X11Display::Id(mainWindow);
    const xcb_window_t form2 = X11Display::Id(diagramWindow);
    EXPECT_EQ(display_.WindowProperty(form2, "WM_TRANSIENT_FOR"), form1);
    EXPECT_TRUE(display_.AtomNames(form2, "_NET_WM_STATE").contains("_NET_WM_STATE_SKIP_TASKBAR"));
    EXPECT_FALSE(display_.AtomNames(form1, "_NET_WM_STATE").contains("_NET_WM_STATE_SKIP_TASKBAR"));

    // Another program's window over both; then the operator clicks the main
    // window where neither of the others covers it.
    QWidget other(nullptr, Qt::Window);
    other.setGeometry(150, 100, 400, 300);
    other.show();
    const xcb_window_t otherId = X11Display::Id(other);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Above(otherId, form2); }, 5000));
    Form1->ShowControllerView();
    ASSERT_TRUE(ClickOnScreen(mainWindow.mapToGlobal(QPoint(940, 640))));
    // The main window comes up, and its setup view with it (the diagram
    // window was the program's active window before); the diagram window
    // stays in front of it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return Above(form1, otherId); }, 5000));
    EXPECT_TRUE(Above(form2, form1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &mainWindow; }, 5000));
    EXPECT_EQ(Form1->Label15->Caption(), u"N x M Matrix Setup");

    // Minimised with the main window, and back with it.
    mainWindow.showMinimized();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !display_.Viewable(form1) && !display_.Viewable(form2); }, 5000));
    mainWindow.showNormal();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return display_.Viewable(form1) && display_.Viewable(form2); }, 5000));

    // Its close box only hides it.
    display_.RequestClose(form2);
    EXPECT_TRUE(QTest::qWaitFor([] { return !Form2->Visible(); }, 5000));
    EXPECT_FALSE(program_->application.Terminated);
    EXPECT_TRUE(Form1->Visible());
}

TEST_F(X11WindowsTest, BoxesShowTheirWholeCaptionAndAPlainOk) {
    TApplication& application = program_->application;
    application.Title = u"Vindel";
    struct Seen {
        QString text;
        int width;
        bool okHasPicture;
    };
    std::vector<Seen> seen;
    ModalBoxAcceptor acceptor([&](const testing::ShownBox& shown) {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        seen.push_back({shown.text, box->width(), !box->button(QMessageBox::Ok)->icon().isNull()});
    });
    application.ShowNotice(u"Setup Complete!");
    application.ShowNotice(u"Please watting few minute!");
    application.ShowException(Exception(u"x"));
    ASSERT_EQ(seen.size(), 3u);
    for (const Seen& box : seen) {
        SCOPED_TRACE(box.text.toStdString());
        // Narrower than this, openbox shortens "Vindel" beside its icon and
        // three title-bar buttons.
        EXPECT_GE(box.width, 170);
        // The platform theme here puts a picture on dialog buttons.
        EXPECT_FALSE(box.okHasPicture);
    }
}

TEST_F(X11WindowsTest, WhileTheScriptRunsTheWindowRepaintsUnderTheBusyCursor) {
    if (!privateNetworkFailure.empty()) {
        VINDEL_SKIP_OR_FAIL("no private network: " + privateNetworkFailure);
    }
    SimulatedSwitch sim({});
    // One input and one output, so that the switch is still logged in for
    // the save.
    testing::ChooseSetup(0, 1, 1);

    // Where the first box was on the screen, over the main window's white
    // controller view; the script starts once the box has been drawn.
    QRect boxArea;
    std::string receivedWhenComplete;
    std::u16string titleWhenComplete;
    bool busyOverABox = false;
    ModalBoxAcceptor boxes([&](const testing::ShownBox& box) {
        busyOverABox = busyOverABox || QApplication::overrideCursor() != nullptr;
        if (box.text == "Setup Complete!") {
            receivedWhenComplete = sim.ReceivedBytes();
            titleWhenComplete = Form1->Label15->Caption();
            return;
        }
        boxArea = QApplication::activeModalWidget()->geometry();
        X11Display display;
        EXPECT_TRUE(QTest::qWaitFor([&] { return !AllWhite(display.Grab(boxArea)); }, 5000));
    });

    // Watches the screen from its own thread while the user-interface thread
    // pauses, until the closed box has gone from it.
    std::atomic<bool> boxGone = false;
    std::atomic<bool> watching = true;
    std::thread watcher;
    std::vector<Qt::CursorShape> cursors;
    const Sleeper pause = Form1->ProvisioningSleep;
    Form1->ProvisioningSleep = [&](milliseconds length) {
        const QCursor* cursor = QApplication::overrideCursor();
        cursors.push_back(cursor != nullptr ? cursor->shape() : Qt::ArrowCursor);
        if (!watcher.joinable()) {
            watcher = std::thread([&, area = boxArea] {
                X11Display display;
                while (watching && !boxGone) {
                    boxGone = AllWhite(display.Grab(area));
                    std::this_thread::sleep_for(milliseconds(20));
                }
            });
        }
        pause(length);
    };
    Form1->Button1->Click();
    watching = false;
    if (watcher.joinable())
        watcher.join();

    ASSERT_EQ(boxes.boxes().size(), 2u);
    ASSERT_EQ(boxes.boxes()[1].text, "Setup Complete!");
    EXPECT_TRUE(boxGone) << "the closed box stayed on the screen while the script paused";
    EXPECT_EQ(cursors, std::vector<Qt::CursorShape>(4, Qt::WaitCursor));
    EXPECT_FALSE(busyOverABox);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // The window system's activations during the pauses are no new
    // activation of the main window: its controller view stayed.
    EXPECT_EQ(titleWhenComplete, u"Matrix Controller");

    // The wire is as it was: the whole script before any answer to the
    // switch's options, and the 5 s pause after "Y" exact.
    const std::string script =
        "admin\r\nsecret\r\nconfig\r\nvlan 2\r\ninterface gi1\r\n"
        "switchport trunk native vlan 2\r\ninterface gi2\r\nswitchport trunk native vlan 2\r\n"
        "exit\r\nexit\r\ncopy running-config startup-config\r\nY\r\nconfig\r\n";
    ASSERT_GE(receivedWhenComplete.size(), script.size());
    EXPECT_EQ(receivedWhenComplete.substr(0, script.size()), script);
    const auto timeOfByte = [&sim](std::size_t index) {
        for (const ReceivedChunk& chunk : sim.Record()) {
            if (index < chunk.bytes.size())
                return chunk.SinceConnect();
            index -= chunk.bytes.size();
        }
        return milliseconds(-1);
    };
    const milliseconds afterConfirm =
        timeOfByte(script.rfind("config")) - timeOfByte(script.rfind("Y\r\n"));
    // The switch stamps each read when it returns, a few ms late at times.
    EXPECT_GE(afterConfirm, milliseconds(4980));
    EXPECT_LT(afterConfirm, milliseconds(5050));
}

TEST_F(X11WindowsTest, TheToolkitsOptionsChangeNothing) {
    const std::filesystem::path styleSheet = scratch_.path() / "red.qss";
    std::ofstream(styleSheet) << "QWidget { background: red; }";
    const auto start = [this](QProcess& program, const QStringList& arguments) {
        program.setWorkingDirectory(QString::fromStdString(scratch_.path().string()));
        program.start(VINDEL_PROGRAM, arguments);
        xcb_window_t window = 0;
        (void)QTest::qWaitFor(
            [&] { return (window = display_.ManagedWindowOf(program.processId())) != 0; }, 10000);
        return window;
    };
    // The main window's inside as it is drawn, without the box that holds
    // the blinking caret.
    const auto look = [this](xcb_window_t window) {
        QImage image = display_.Grab(display_.Geometry(window));
        for (int y = 176; y < 176 + 26 && y < image.height(); ++y) {
            for (int x = 152; x < 152 + 89 && x < image.width(); ++x)
                image.setPixel(x, y, 0);
        }
        return image;
    };

    QProcess plain;
    const xcb_window_t plainWindow = start(plain, {});
    ASSERT_NE(plainWindow, 0u);
    // Drawn once the banner is there and, after the first activation, the
    // first model's picture.
    QImage plainLook;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            plainLook = look(plainWindow);
            return plainLook.width() > 650 && plainLook.height() > 320 &&
                   plainLook.pixel(650, 20) == qRgb(115, 151, 201) &&
                   qGray(plainLook.pixel(200, 320)) < 100;
        },
        10000))
        << "the window was never drawn";
    plain.terminate();
    ASSERT_TRUE(plain.waitForFinished(5000));

    QProcess withOptions;
    const xcb_window_t window =
        start(withOptions,
              {"-qwindowtitle", "X", "-reverse", "-style", "windows", "-stylesheet",
               QString::fromStdString(styleSheet.string()), "-qwindowgeometry", "300x200+10+10"});
    ASSERT_NE(window, 0u);
    EXPECT_EQ(display_.TextProperty(window, "_NET_WM_NAME"), "Vindel");
    EXPECT_EQ(display_.Geometry(window).size(), QSize(969, 669));
    EXPECT_TRUE(QTest::qWaitFor([&] { return look(window) == plainLook; }, 5000))
        << "the window looks different with the options";
    withOptions.terminate();
    EXPECT_TRUE(withOptions.waitForFinished(5000));
}

}  // namespace
}  // namespace vindel

int main(int argc, char** argv) {
    // Before Qt or anything else starts a thread. The X server is still
    // reached through its socket in the file system.
    vindel::privateNetworkFailure = vindel::testing::EnterPrivateNetwork();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
