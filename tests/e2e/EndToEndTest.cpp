// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <atomic>
#include <cstdlib>
#include <fstream>

#include "Driving.h"
#include "FirstLineOfSettings.h"
#include "PrivateNetwork.h"
#include "ProgramWindows.h"
#include "ScratchDirectory.h"
#include "SimulatedSwitch.h"
#include "SkipOrFail.h"
#include "ThreadCount.h"
#include "common/MatrixSetup.h"
#include "qt/ModalBoxes.h"
#include "settings/SettingsFile.h"
#include "ui/Application.h"
#include "ui/Diagram.h"
#include "ui/Telnet.h"
#include "ui/qt/Widgets.h"

namespace vindel {
namespace {

using qt::WidgetOf;
using std::chrono::milliseconds;
using testing::FirstLineOfSettings;
using testing::ModalBoxAcceptor;

// Set by main before anything else runs: empty once the test is in its own
// network, where 127.0.0.1 port 23 is ours.
std::string privateNetworkFailure = "not tried";

std::string Lines(std::initializer_list<const char*> lines) {
    std::string bytes;
    for (const char* line : lines)
        bytes += std::string(line) + "\r\n";
    return bytes;
}

// The real windows, real message boxes pressed by a timer, and the simulated
// switch on 127.0.0.1 port 23.
class EndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!privateNetworkFailure.empty()) {
            VINDEL_SKIP_OR_FAIL("no private network: " + privateNetworkFailure);
        }
        program_ = testing::StartWindows();
        ASSERT_TRUE(testing::Activate(*Form1));
    }
    void TearDown() override { program_.reset(); }

    static QStringList Texts(const ModalBoxAcceptor& boxes) {
        QStringList texts;
        for (const auto& box : boxes.boxes())
            texts << box.text;
        return texts;
    }

    testing::ScratchDirectory scratch_{"e2e"};
    std::unique_ptr<testing::TestProgram> program_;
};

TEST_F(EndToEndTest, ProvisionsTheSwitchAndAnswersItsOptionsOnlyAtTheEnd) {
    SimulatedSwitch sim({});
    testing::ChooseSetup(0, 2, 3);

    const std::string script = Lines({"admin",
                                      "secret",
                                      "config",
                                      "vlan 2",
                                      "vlan 3",
                                      "interface gi1",
                                      "switchport trunk native vlan 2",
                                      "interface gi2",
                                      "switchport trunk native vlan 3",
                                      "interface gi3",
                                      "switchport trunk native vlan 2",
                                      "interface gi4",
                                      "switchport trunk native vlan 2",
                                      "interface gi5",
                                      "switchport trunk native vlan 2",
                                      "exit",
                                      "exit",
                                      "copy running-config startup-config",
                                      "Y",
                                      "config"});
    std::string sentWhileBoxOpen;
    std::string firstLineWhileBoxOpen;
    ModalBoxAcceptor boxes([&](const testing::ShownBox& box) {
        if (box.text != "Setup Complete!")
            return;
        firstLineWhileBoxOpen = FirstLineOfSettings();
        // The box's own loop runs the delivery that waited: the replies go
        // out now, and only now.
        (void)QTest::qWaitFor([&] { return sim.ReceivedBytes().size() > script.size() + 15; },
                              5000);
        sentWhileBoxOpen = sim.ReceivedBytes();
    });
    Form1->Button1->Click();

    EXPECT_EQ(Texts(boxes), QStringList({"Please watting few minute!", "Setup Complete!"}));
    // Every line, the login and password first, ends in CR LF, and not one
    // negotiation reply came before the whole script had been typed.
    ASSERT_GT(sentWhileBoxOpen.size(), script.size());
    EXPECT_EQ(sentWhileBoxOpen.substr(0, script.size()), script);
    // The switch asked WILL ECHO, WILL SGA, DO TTYPE and TTYPE SEND.
    const std::string replies = sentWhileBoxOpen.substr(script.size());
    EXPECT_TRUE(
        replies.starts_with("\xFF\xFD\x01"
                            "\xFF\xFE\x03"
                            "\xFF\xFB\x18"
                            "\xFF\xFA\x18\x00"
                            "dumb\xFF\xF0"))
        << "replies: " << ::testing::PrintToString(replies);
    EXPECT_EQ(sim.TerminalType(), "dumb");

    // The login came a second after the connect (the switch's clock starts
    // when its accept returns, a moment after the client's connect).
    const auto record = sim.Record();
    ASSERT_FALSE(record.empty());
    EXPECT_GE(record.front().SinceConnect(), milliseconds(950));

    EXPECT_EQ(firstLineWhileBoxOpen, "0\r");
    EXPECT_EQ(FirstLineOfSettings(), "1\r");
    ASSERT_TRUE(
        QTest::qWaitFor([] { return QApplication::activeWindow() == &WidgetOf(*Form2); }, 5000));
    EXPECT_EQ(Form2->Label4->Caption(), u"SG300-10");
    EXPECT_EQ(Form2->Label7->Caption(), u"Ports 2");
    EXPECT_EQ(Form2->Label10->Caption(), u"Ports 3");
    EXPECT_EQ(Form2->Label9->Caption(), u"Ports 5");
    EXPECT_EQ(Form2->Label3->Caption(), u"Port G10");

    // Back on the main window, Connect again: the connection is still open,
    // so nothing is shown or typed.
    ASSERT_TRUE(testing::Activate(*Form1));
    EXPECT_EQ(Form1->Label15->Caption(), u"N x M Matrix Setup");
    const std::string received = sim.ReceivedBytes();
    Form1->Button1->Click();
    testing::Drain();
    EXPECT_EQ(boxes.boxes().size(), 2u);
    // Anything Connect had typed would reach the switch before this mark.
    Form1->IdTelnet1.SendCh(u'!');
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return sim.ReceivedBytes().size() > received.size(); }, 5000));
    EXPECT_EQ(sim.ReceivedBytes(), received + "!");
    EXPECT_EQ(FirstLineOfSettings(), "0\r");  // Connect rewrote the file, as always
}

// A whole run with the pauses shortened; the lines the switch read.
std::vector<std::string> ProvisionQuickly(SwitchProfile profile, int model, int inputs,
                                          int outputs) {
    SimulatedSwitch::Options options;
    options.profile = profile;
    SimulatedSwitch sim(options);
    testing::HurryProvisioning();
    testing::ChooseSetup(model, inputs, outputs);
    ModalBoxAcceptor boxes;
    Form1->Button1->Click();
    EXPECT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(FirstLineOfSettings(), "1\r");
    // The diagram window fills itself in once it has become active.
    EXPECT_TRUE(
        QTest::qWaitFor([] { return QApplication::activeWindow() == &WidgetOf(*Form2); }, 5000));
    const std::size_t expected = 8u + 3u * inputs + 2u * outputs;
    EXPECT_TRUE(QTest::qWaitFor([&] { return sim.Lines().size() >= expected; }, 5000));
    if (profile == SwitchProfile::Silent) {
        EXPECT_EQ(sim.ReceivedBytes().find('\xFF'), std::string::npos) << "a reply to nothing";
    }
    return sim.Lines();
}

TEST_F(EndToEndTest, FiftyInputsToASilentSwitch) {
    const auto lines = ProvisionQuickly(SwitchProfile::Silent, 3, 50, 1);
    ASSERT_EQ(lines.size(), 160u);
    EXPECT_EQ(lines[3 + 49], "vlan 51");
    EXPECT_EQ(lines[3 + 50 + 99], "switchport trunk native vlan 51");
    EXPECT_EQ(lines[153], "interface gi51");
    EXPECT_EQ(Form2->Label9->Caption(), u"Ports 51");
}

TEST_F(EndToEndTest, OutputsOnlyToASlowSwitch) {
    const auto lines = ProvisionQuickly(SwitchProfile::Slow, 1, 0, 3);
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[3], "interface gi1");
    EXPECT_EQ(lines[7], "interface gi3");
    EXPECT_EQ(lines[8], "switchport trunk native vlan 2");
}

// A failed run shows why in the error box and, once that is closed, the
// setup view again, its fields read back from the settings file.
TEST_F(EndToEndTest, RefusedConnectShowsTheSetupViewAgainAndAnUnmarkedFile) {
    testing::ChooseSetup(0, 4, 4);  // nothing listens on port 23
    // The busy cursor of the run is gone again by the time the failure shows.
    bool busyOverABox = false;
    std::u16string titleUnderTheErrorBox;
    ModalBoxAcceptor boxes([&](const testing::ShownBox&) {
        busyOverABox = busyOverABox || QApplication::overrideCursor() != nullptr;
        titleUnderTheErrorBox = Form1->Label15->Caption();
        Form1->Edit3->SetText(u"not from the file");
    });
    Form1->Button1->Click();
    EXPECT_EQ(Texts(boxes), QStringList({"Please watting few minute!",
                                         "Socket Error # 10061\r\nConnection refused."}));
    EXPECT_FALSE(busyOverABox);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(titleUnderTheErrorBox, u"Matrix Controller");
    EXPECT_EQ(Form1->Label15->Caption(), u"N x M Matrix Setup");
    EXPECT_TRUE(Form1->Button1->Visible());
    EXPECT_TRUE(Form1->Edit3->Visible());
    EXPECT_EQ(Form1->Edit3->Text(), u"secret");
    EXPECT_EQ(FirstLineOfSettings(), "0\r");
    EXPECT_FALSE(Form2->Visible());
}

// The wrong password: the switch asks again, twice, and closes after the
// third try, while Vindel types on. The operator reads that the login was
// refused, corrects the password and presses Connect again.
TEST_F(EndToEndTest, RefusedLoginIsReportedAndTheCorrectedOneCompletes) {
    SimulatedSwitch sim({});
    testing::HurryProvisioning();
    testing::ChooseSetup(0, 2, 3);
    Form1->Edit3->SetText(u"secrets");
    bool connectedUnderTheErrorBox = true;
    {
        ModalBoxAcceptor boxes([&](const testing::ShownBox& box) {
            if (box.text != "Please watting few minute!")
                connectedUnderTheErrorBox = Form1->IdTelnet1.Connected();
        });
        Form1->Button1->Click();
        EXPECT_EQ(Texts(boxes), QStringList({"Please watting few minute!",
                                             "The switch refused the login name or password, so "
                                             "nothing was set up. Correct them and press "
                                             "\"Connect\" again."}));
    }
    EXPECT_FALSE(connectedUnderTheErrorBox);
    EXPECT_EQ(FirstLineOfSettings(), "0\r");
    EXPECT_FALSE(Form2->Visible());
    ASSERT_TRUE(Form1->Edit3->Visible());
    EXPECT_EQ(Form1->Edit3->Text(), u"secrets");
    // The first lines typed, before the switch gave up: the login, and the
    // next lines taken for logins and passwords.
    const std::vector<std::string> lines = sim.Lines();
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 6),
              (std::vector<std::string>{"admin", "secrets", "config", "vlan 2", "vlan 3",
                                        "interface gi1"}));

    Form1->Edit3->SetText(u"");
    testing::Type(*Form1->Edit3, u"secret");
    ModalBoxAcceptor again;
    Form1->Button1->Click();
    EXPECT_EQ(Texts(again), QStringList({"Please watting few minute!", "Setup Complete!"}));
    EXPECT_EQ(FirstLineOfSettings(), "1\r");
    EXPECT_TRUE(
        QTest::qWaitFor([] { return QApplication::activeWindow() == &WidgetOf(*Form2); }, 5000));
    EXPECT_EQ(sim.Connections(), 2u);
}

// A switch that closes with typed lines still unread resets the connection,
// and Vindel, typing on, meets the reset: what the switch said before it
// still tells the operator that the login was refused.
TEST_F(EndToEndTest, RefusedLoginEndedByAResetIsReportedAsTheRefusal) {
    SimulatedSwitch::Options options;
    options.close_with_reset = true;
    SimulatedSwitch sim(options);
    testing::HurryProvisioning();
    testing::ChooseSetup(0, 2, 3);
    Form1->Edit3->SetText(u"secrets");
    ModalBoxAcceptor boxes;
    Form1->Button1->Click();
    EXPECT_EQ(Texts(boxes), QStringList({"Please watting few minute!",
                                         "The switch refused the login name or password, so "
                                         "nothing was set up. Correct them and press "
                                         "\"Connect\" again."}));
    EXPECT_EQ(sim.Resets(), 1u);
    EXPECT_EQ(FirstLineOfSettings(), "0\r");
    EXPECT_FALSE(Form2->Visible());
    EXPECT_TRUE(Form1->Button1->Visible());
    EXPECT_FALSE(Form1->IdTelnet1.Connected());
}

// SG300-20 chosen with 12 inputs, on a switch with 10 ports: the first port
// it lacks is named, the file stays unmarked and no diagram is shown.
TEST_F(EndToEndTest, WrongModelNamesTheRefusedInterface) {
    SimulatedSwitch::Options options;
    options.cli.ports = 10;
    SimulatedSwitch sim(options);
    testing::HurryProvisioning();
    testing::ChooseSetup(1, 12, 2);
    ModalBoxAcceptor boxes;
    Form1->Button1->Click();
    EXPECT_EQ(Texts(boxes),
              QStringList({"Please watting few minute!",
                           "The switch rejected the command \"interface gi11\" with \"% Wrong "
                           "number of parameters or invalid range, size or characters entered\", "
                           "so it is not set up as chosen."}));
    EXPECT_EQ(FirstLineOfSettings(), "0\r");
    EXPECT_FALSE(Form2->Visible());
    EXPECT_TRUE(Form1->Button1->Visible());
    EXPECT_FALSE(Form1->IdTelnet1.Connected());
    // Blind to the end: every line went out all the same.
    EXPECT_NE(sim.ReceivedBytes().find("\r\nY\r\nconfig\r\n"), std::string::npos);
}

TEST_F(EndToEndTest, SwitchThatLogsOutMidwayIsReportedNotCompleted) {
    // With no ports, the two "exit" lines log the switch out before the save.
    SimulatedSwitch sim({});
    testing::HurryProvisioning();
    testing::ChooseSetup(0, 0, 0);
    ModalBoxAcceptor boxes;
    Form1->Button1->Click();
    EXPECT_EQ(Texts(boxes),
              QStringList({"Please watting few minute!", "Connection Closed Gracefully."}));
    EXPECT_EQ(FirstLineOfSettings(), "0\r");
    EXPECT_FALSE(Form2->Visible());
}

// The switch resets the connection, while the script types or once the run
// is over: the operator reads that it was reset, once, and the next Connect
// starts afresh.
TEST_F(EndToEndTest, ResetIsShownAsAResetAndTheNextConnectStartsAfresh) {
    std::atomic<SimulatedSwitch*> self = nullptr;
    SimulatedSwitch::Options options;
    options.on_received = [&](const ReceivedChunk&) {
        SimulatedSwitch* sim = self;
        if (sim != nullptr && sim->Resets() == 0 && sim->Lines().size() >= 3)
            sim->ResetConnection();
    };
    SimulatedSwitch sim(options);
    self = &sim;
    const int threads = testing::ThreadCount();  // the switch's own included
    testing::HurryProvisioning();
    testing::ChooseSetup(0, 2, 3);
    const QString reset = "Socket Error # 10054\r\nConnection reset by peer.";
    const auto connect = [] {
        ModalBoxAcceptor boxes;
        Form1->Button1->Click();
        return Texts(boxes);
    };

    // Amid the script; the user-interface thread meets it.
    EXPECT_EQ(connect(), QStringList({"Please watting few minute!", reset}));
    EXPECT_EQ(sim.Resets(), 1u);
    EXPECT_EQ(FirstLineOfSettings(), "0\r");
    EXPECT_FALSE(Form2->Visible());
    EXPECT_EQ(connect(), QStringList({"Please watting few minute!", "Setup Complete!"}));

    // After the run, on the connection kept open; the receiving thread
    // meets it and ends.
    sim.ResetConnection();
    ASSERT_TRUE(QTest::qWaitFor([&] { return sim.Resets() == 2; }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return testing::ThreadCount() == threads; }, 5000));
    ASSERT_TRUE(testing::Activate(*Form1));
    EXPECT_EQ(connect(), QStringList({reset}));
    EXPECT_EQ(connect(), QStringList({"Please watting few minute!", "Setup Complete!"}));
    EXPECT_EQ(sim.Connections(), 3u);
    EXPECT_EQ(FirstLineOfSettings(), "1\r");
}

}  // namespace
}  // namespace vindel

int main(int argc, char** argv) {
    // Before Qt or anything else starts a thread.
    vindel::privateNetworkFailure = vindel::testing::EnterPrivateNetwork();
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
