// SPDX-License-Identifier: MIT
#include "provisioning/Provisioning.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <numeric>

#include "FailureText.h"
#include "FakeTextField.h"
#include "FirstLineOfSettings.h"
#include "ScratchDirectory.h"
#include "common/Exception.h"
#include "common/MatrixSetup.h"
#include "common/Text.h"
#include "net/EIdException.h"
#include "settings/SettingsFile.h"

namespace vindel {
namespace {

using std::chrono::milliseconds;

using Field = testing::FakeTextField;
using testing::FailureText;
using testing::FirstLineOfSettings;

// Stands in for the main window and its Telnet client, and keeps what the
// script did: the lines typed, the pauses after each line, the other calls.
class RecordingHost final : public ProvisioningHost {
  public:
    bool Connected() override {
        return connected && (closeAfterChars < 0 || sent < closeAfterChars);
    }
    void Connect(const std::u16string& host, std::uint16_t port) override {
        calls.push_back("connect " + ToUtf8(host) + ":" + std::to_string(port));
        if (refuse)
            throw Exception(u"Socket Error # 10061\r\nConnection refused.");
        connected = true;
    }
    std::u16string_view ReadAnswers() override {
        calls.push_back("read answers after " + std::to_string(lines.size()) + " lines");
        return answers;
    }
    void SendCh(char16_t ch) override {
        ++sent;
        characters.push_back(ch);
        if (ch != 13) {
            current += ch;
            return;
        }
        lines.push_back(current);
        current.clear();
    }
    void ShowControllerView() override { calls.push_back("controller view"); }
    void ShowNotice(const std::u16string& text) override {
        calls.push_back("notice " + ToUtf8(text));
        if (onNotice)
            onNotice();
    }
    void ShowDiagram() override { calls.push_back("diagram"); }

    Sleeper Sleep() {
        return [this](milliseconds pause) { pauses.emplace_back(lines.size(), pause.count()); };
    }
    long long TotalPause() const {
        return std::accumulate(pauses.begin(), pauses.end(), 0LL,
                               [](long long sum, const auto& p) { return sum + p.second; });
    }

    bool connected = false;
    bool refuse = false;
    int closeAfterChars = -1;
    int sent = 0;
    std::function<void()> onNotice;
    std::u16string answers;  // what the switch said
    std::vector<std::string> calls;
    std::u16string characters;
    std::u16string current;
    std::vector<std::u16string> lines;
    std::vector<std::pair<std::size_t, long long>> pauses;  // lines typed before it, length
};

class ProvisioningTest : public ::testing::Test {
  protected:
    void SetUp() override {
        MatrixSetup = {};
        SettingsList.Clear();
    }

    // What the Connect button writes before provisioning starts.
    static void WriteSettings(int inputs, int outputs, std::u16string login = u"admin",
                              std::u16string password = u"secret") {
        MatrixSetup.ModelName = u"SG300-52";
        MatrixSetup.InputCount = inputs;
        MatrixSetup.OutputCount = outputs;
        WriteNewSettingsFile(Field(u"192.168.1.254"), Field(std::move(login)),
                             Field(std::move(password)));
    }

    testing::ScratchDirectory scratch_{"provisioning"};
};

TEST_F(ProvisioningTest, TypesTheExampleLineForLineWithItsPauses) {
    WriteSettings(2, 3);
    RecordingHost host;
    std::vector<std::string> firstLineAtEachNotice;
    host.onNotice = [&] { firstLineAtEachNotice.push_back(FirstLineOfSettings()); };
    RunProvisioningScript(host, host.Sleep());

    const std::vector<std::u16string> expected = {u"admin",
                                                  u"secret",
                                                  u"config",
                                                  u"vlan 2",
                                                  u"vlan 3",
                                                  u"interface gi1",
                                                  u"switchport trunk native vlan 2",
                                                  u"interface gi2",
                                                  u"switchport trunk native vlan 3",
                                                  u"interface gi3",
                                                  u"switchport trunk native vlan 2",
                                                  u"interface gi4",
                                                  u"switchport trunk native vlan 2",
                                                  u"interface gi5",
                                                  u"switchport trunk native vlan 2",
                                                  u"exit",
                                                  u"exit",
                                                  u"copy running-config startup-config",
                                                  u"Y",
                                                  u"config"};
    EXPECT_EQ(host.lines, expected);
    const std::vector<std::pair<std::size_t, long long>> pauses = {
        {0, 1000}, {11, 500}, {13, 500}, {15, 500}, {18, 500}, {19, 5000}};
    EXPECT_EQ(host.pauses, pauses);
    // The answers are read once, after the last line and before the box.
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"controller view", "notice Please watting few minute!",
                                        "connect 192.168.1.254:23", "read answers after 20 lines",
                                        "notice Setup Complete!", "diagram"}));
    // Marked only once the operator has closed "Setup Complete!".
    EXPECT_EQ(firstLineAtEachNotice, (std::vector<std::string>{"0\r", "0\r"}));
    EXPECT_EQ(FirstLineOfSettings(), "1\r");
}

TEST_F(ProvisioningTest, LineCountsAndPausesFollowTheCounts) {
    struct Case {
        int inputs, outputs;
    };
    for (const Case c :
         {Case{0, 0}, Case{0, 3}, Case{4, 4}, Case{50, 1}, Case{1, 50}, Case{0, 10}}) {
        SCOPED_TRACE(std::to_string(c.inputs) + " x " + std::to_string(c.outputs));
        WriteSettings(c.inputs, c.outputs);
        RecordingHost host;
        RunProvisioningScript(host, host.Sleep());
        ASSERT_EQ(host.lines.size(), 8u + 3u * c.inputs + 2u * c.outputs);
        EXPECT_EQ(host.TotalPause(), 6500 + 500 * c.outputs);
        const std::size_t firstOutput = 3 + 3 * c.inputs;
        for (int j = 0; j < c.outputs; ++j) {
            EXPECT_EQ(host.lines[firstOutput + 2 * j],
                      u"interface gi" + DecimalText(c.inputs + j + 1));
            EXPECT_EQ(host.lines[firstOutput + 2 * j + 1], u"switchport trunk native vlan 2");
        }
        if (c.inputs == 50) {
            EXPECT_EQ(host.lines[3 + 49], u"vlan 51");
            EXPECT_EQ(host.lines[3 + 50 + 2 * 49], u"interface gi50");
            EXPECT_EQ(host.lines[3 + 50 + 2 * 49 + 1], u"switchport trunk native vlan 51");
        }
    }
}

TEST_F(ProvisioningTest, TypeLineHandsOverSignExtendedBytes) {
    RecordingHost host;
    host.connected = true;
    TypeLine(host, u"p\u00E9\u0416");
    TypeLine(host, u"");
    EXPECT_EQ(host.characters, (std::u16string{u'p', 0xFFE9, u'?', 13, 13}));
}

TEST_F(ProvisioningTest, DoesNothingWhileConnected) {
    WriteSettings(2, 2);
    RecordingHost host;
    host.connected = true;
    RunProvisioningScript(host, host.Sleep());
    EXPECT_TRUE(host.calls.empty());
    EXPECT_TRUE(host.characters.empty());
    EXPECT_EQ(FirstLineOfSettings(), "0\r");
}

TEST_F(ProvisioningTest, CountsBeyondTheTablesAreRefusedBeforeConnecting) {
    for (const auto& [inputs, outputs] : {std::pair{51, 0}, {-1, 2}, {2, -1}, {40, 12}, {50, 50}}) {
        SCOPED_TRACE(std::to_string(inputs) + " x " + std::to_string(outputs));
        WriteSettings(inputs, outputs);
        RecordingHost host;
        EXPECT_THROW(RunProvisioningScript(host, host.Sleep()), Exception);
        EXPECT_EQ(host.calls, (std::vector<std::string>{"controller view",
                                                        "notice Please watting few minute!"}));
        EXPECT_TRUE(host.characters.empty());
    }
    WriteSettings(40, 12);
    RecordingHost host;
    EXPECT_EQ(FailureText<Exception>([&] { RunProvisioningScript(host, host.Sleep()); }),
              u"The setup asks for 40 input ports and 12 output ports, but the switch takes 0 "
              u"to 50 input ports and at most 51 input and output ports together");
}

// The switch went away after the third line: the operator reads why, where
// the answers that came first say it.
TEST_F(ProvisioningTest, ClosedConnectionFailsWithTheReasonTheAnswersShow) {
    struct Case {
        std::u16string answers;
        std::u16string text;
    };
    const Case cases[] = {
        {u"", u"Connection Closed Gracefully."},
        {u"\r\n\r\nUser Name:admin\r\nPassword:******\r\n\r\nUser Name:config\r\n"
         u"authentication failed\r\n",
         u"The switch refused the login name or password, so nothing was set up. Correct them "
         u"and press \"Connect\" again"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ToUtf8(c.text));
        WriteSettings(2, 3);
        RecordingHost host;
        host.closeAfterChars = 20;
        host.answers = c.answers;
        EXPECT_EQ(FailureText<Exception>([&] { RunProvisioningScript(host, host.Sleep()); }),
                  c.text);
        EXPECT_EQ(host.calls.back(), "read answers after 3 lines");
        EXPECT_EQ(FirstLineOfSettings(), "0\r");
    }
}

// The same lines go out with the same pauses whatever the switch says; what
// it said only decides between "Setup Complete!" and the error box.
TEST_F(ProvisioningTest, RejectedCommandFailsTheRunAfterTheWholeScript) {
    WriteSettings(2, 3);
    RecordingHost quiet;
    RunProvisioningScript(quiet, quiet.Sleep());

    WriteSettings(2, 3);
    RecordingHost rejecting;
    rejecting.answers =
        u"\r\nUser Name:admin\r\nPassword:******\r\nswitch7f3a21#config\r\n"
        u"switch7f3a21(config)#vlan 2\r\nswitch7f3a21(config)#vlan 3\r\n% bad parameter value\r\n";
    EXPECT_EQ(
        FailureText<ESwitchRefusal>([&] { RunProvisioningScript(rejecting, rejecting.Sleep()); }),
        u"The switch rejected the command \"vlan 3\" with \"% bad parameter value\", so it is "
        u"not set up as chosen");
    EXPECT_EQ(rejecting.characters, quiet.characters);
    EXPECT_EQ(rejecting.pauses, quiet.pauses);
    EXPECT_EQ(rejecting.calls.back(), "read answers after 20 lines");
    EXPECT_EQ(FirstLineOfSettings(), "0\r");
}

TEST_F(ProvisioningTest, FailuresBeforeTypingLeaveTheFileUnmarked) {
    WriteSettings(2, 3);
    RecordingHost refused;
    refused.refuse = true;
    EXPECT_THROW(RunProvisioningScript(refused, refused.Sleep()), Exception);
    EXPECT_TRUE(refused.characters.empty());
    EXPECT_EQ(refused.calls.front(), "controller view");
    EXPECT_EQ(FirstLineOfSettings(), "0\r");

    std::ofstream(kSettingsFileName, std::ios::binary) << "0\r\nSG300-10\r\nabc\r\n";
    RecordingHost unreadable;
    EXPECT_THROW(RunProvisioningScript(unreadable, unreadable.Sleep()), EConvertError);
    EXPECT_EQ(unreadable.calls.size(), 2u);  // no connect
}

}  // namespace
}  // namespace vindel
