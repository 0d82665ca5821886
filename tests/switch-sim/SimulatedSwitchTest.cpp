// SPDX-License-Identifier: MIT
// The simulated switch over real sockets: on an ephemeral port of 127.0.0.1,
// and on port 23 in a private network namespace, driven by a raw client and
// by Vindel's own Telnet client.
#include "SimulatedSwitch.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "FailureText.h"
#include "RawClient.h"
#include "SkipOrFail.h"
#include "SwitchCli.h"
#include "Waiting.h"
#include "net/TIdTelnet.h"

namespace vindel {
namespace {

using testing::PumpUntil;
using testing::RawClient;
using testing::WaitFor;
using Ms = std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;
using namespace std::string_literals;

const std::string kOpening = "\xff\xfb\x01\xff\xfb\x03\xff\xfd\x18\xff\xfa\x18\x01\xff\xf0";
// Our client's answers to that opening, from its reply table.
const std::string kClientAnswers =
    "\xff\xfd\x01\xff\xfe\x03\xff\xfb\x18\xff\xfa\x18\x00"
    "dumb\xff\xf0"s;

SimulatedSwitch::Options On(SwitchProfile profile, std::uint16_t port = 0) {
    SimulatedSwitch::Options options;
    options.port = port;
    options.profile = profile;
    return options;
}

// What every profile sends first, and how soon: the slow one holds even the
// opening back by its delay.
TEST(SimulatedSwitchTest, OpensAsItsProfileSays) {
    struct Case {
        SwitchProfile profile;
        std::string first_bytes;
    };
    for (const Case& c : {Case{SwitchProfile::Silent, "\r\n\r\nUser Name:"},
                          Case{SwitchProfile::Negotiating, kOpening + "\r\n\r\nUser Name:"},
                          Case{SwitchProfile::Slow, kOpening + "\r\n\r\nUser Name:"}}) {
        SCOPED_TRACE(std::string(SwitchProfileName(c.profile)));
        SimulatedSwitch sim(On(c.profile));
        const auto start = Clock::now();
        RawClient client(sim.Port());
        EXPECT_EQ(client.ReadUntil("User Name:"), c.first_bytes);
        const auto opened = Clock::now();
        client.Send("admin\r\n");
        EXPECT_TRUE(client.ReadUntil("Password:").ends_with("Password:"));
        if (c.profile == SwitchProfile::Slow) {
            const SimulatedSwitch::Options defaults;
            EXPECT_GE(opened - start, defaults.slow_delay);
            EXPECT_GE(Clock::now() - opened, defaults.slow_delay) << "the answer came early";
        }
        // Without negotiation the client echoes for itself; otherwise the
        // switch echoes.
        const bool echoed = client.Received().find("admin") != std::string::npos;
        EXPECT_EQ(echoed, c.profile != SwitchProfile::Silent);
    }
}

// Vindel's own client, typing as provisioning does: the whole script before
// it lets a single delivery run, then the negotiation replies at once.
TEST(SimulatedSwitchTest, TakesAScriptFromOurClientAndGetsItsRepliesOnlyOnce) {
    SimulatedSwitch sim(On(SwitchProfile::Negotiating));
    std::u16string shown;  // before the client, whose destructor still delivers
    TIdTelnet client;
    client.Host = u"127.0.0.1";
    client.Port = sim.Port();
    client.OnDataAvailable = [&](TIdTelnet&, const std::u16string& text) { shown += text; };
    client.Connect();

    const std::vector<std::string> script = {"admin",
                                             "secret",
                                             "config",
                                             "vlan 2",
                                             "interface gi1",
                                             "switchport trunk native vlan 2",
                                             "interface gi2",
                                             "switchport trunk native vlan 2",
                                             "exit",
                                             "exit",
                                             "copy running-config startup-config",
                                             "Y",
                                             "config"};
    const auto type = [&](const std::string& line) {
        for (const char ch : line)
            client.SendCh(static_cast<char16_t>(ch));
        client.SendCh(u'\r');
    };
    std::string wire;
    for (const std::string& line : script) {
        type(line);
        wire += line + "\r\n";  // CR LF: the client hasn't seen an IAC yet
    }
    ASSERT_TRUE(WaitFor([&] { return sim.ReceivedBytes().size() >= wire.size(); }));
    EXPECT_EQ(sim.ReceivedBytes(), wire);
    // The line after "Y" is read once the save is over.
    ASSERT_TRUE(WaitFor([&] { return sim.Lines().size() >= script.size(); }));
    EXPECT_EQ(sim.Lines(), script);

    // Now the deliveries run: the client answers the opening and shows all
    // the switch said.
    ASSERT_TRUE(PumpUntil([&] {
        return sim.ReceivedBytes().size() >= wire.size() + kClientAnswers.size() &&
               shown.ends_with(u"switch7f3a21#config\r\nswitch7f3a21(config)#");
    }));
    EXPECT_EQ(sim.TerminalType(), "dumb");

    const std::string text(shown.begin(), shown.end());
    const std::string question(SwitchCli::OverwriteQuestion);
    for (const char* expected : {"User Name:", "Password:******", "switch7f3a21(config)#vlan 2",
                                 "switch7f3a21(config-if)#interface gi2",
                                 "switch7f3a21#copy running-config startup-config\r\n"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in:\n" << text;
    EXPECT_NE(text.find("startup-config\r\n" + question + "Y\r\n"), std::string::npos)
        << "no overwrite question before the answer:\n"
        << text;
    EXPECT_TRUE(
        text.ends_with("Y\r\nCopy succeeded\r\nswitch7f3a21#config\r\nswitch7f3a21(config)#"))
        << text;

    // Once it knows the peer speaks Telnet, our client ends a line with a
    // bare CR, and the switch still takes it as a line. The line's echo comes
    // after any reply of the switch to the client's answers, and the line
    // typed after the echo after the client's answer to that reply: the
    // answers were given once, with no second round.
    const std::size_t shown_before = shown.size();
    type("vlan 3");
    ASSERT_TRUE(
        PumpUntil([&] { return shown.find(u"vlan 3", shown_before) != std::u16string::npos; }));
    type("exit");
    ASSERT_TRUE(WaitFor([&] { return sim.Lines().size() == script.size() + 2; }));
    EXPECT_EQ(sim.Lines()[script.size()], "vlan 3");
    EXPECT_EQ(sim.ReceivedBytes(), wire + kClientAnswers + "vlan 3\r" + "exit\r");
}

TEST(SimulatedSwitchTest, RecordsEveryByteInOrderWithItsTimeOverConnections) {
    SimulatedSwitch sim(On(SwitchProfile::Negotiating));
    const std::vector<std::string> first = {"ad", "min\r", "\n", kClientAnswers, "\r", {'\0'}};
    const std::vector<std::string> second = {"\xff\xff user\r\n"};
    const auto before = Clock::now();
    {
        RawClient client(sim.Port());
        client.ReadUntil("User Name:");
        // Each piece comes to the switch in reads of its own: the switch has
        // taken it before the next is sent.
        std::string sent;
        for (const std::string& bytes : first) {
            client.Send(bytes);
            sent += bytes;
            ASSERT_TRUE(WaitFor([&] { return sim.ReceivedBytes() == sent; }));
        }
    }
    RawClient again(sim.Port());
    EXPECT_TRUE(again.ReadUntil("User Name:").ends_with("User Name:"));
    again.Send(second[0]);
    ASSERT_TRUE(WaitFor([&] { return sim.Lines().size() == 3; }));

    const std::vector<ReceivedChunk> record = sim.Record();
    std::string bytes[3];
    auto last = before;
    for (const ReceivedChunk& chunk : record) {
        ASSERT_TRUE(chunk.connection == 1 || chunk.connection == 2);
        bytes[chunk.connection] += chunk.bytes;
        EXPECT_GE(chunk.at, last) << "times go back";
        EXPECT_GE(chunk.at, chunk.connected_at);
        last = chunk.at;
    }
    EXPECT_EQ(bytes[1], first[0] + first[1] + first[2] + first[3] + first[4] + first[5]);
    EXPECT_EQ(bytes[2], second[0]);
    EXPECT_EQ(sim.Connections(), 2u);
    EXPECT_GT(record.back().connected_at, record.front().connected_at);
    // The line text has no Telnet commands, and IAC IAC is one 255. The
    // LF after "min\r", though it came on its own, ends no line.
    EXPECT_EQ(sim.Lines(), (std::vector<std::string>{"admin", "", "\xff user"}));
}

TEST(SimulatedSwitchTest, LoggingOutAndStoppingCloseTheConnection) {
    SimulatedSwitch sim(On(SwitchProfile::Silent));
    {
        RawClient client(sim.Port());
        client.Send("admin\r\nsecret\r\nexit\r\n");
        EXPECT_TRUE(client.ReadToEnd()) << "still open after exit in the exec mode";
    }
    RawClient client(sim.Port());
    client.ReadUntil("User Name:");
    sim.Stop();
    EXPECT_TRUE(client.ReadToEnd(Ms(1000))) << "still open after Stop";
    sim.Stop();
    EXPECT_THROW(RawClient{sim.Port()}, std::system_error) << "still listening after Stop";
    EXPECT_EQ(sim.Error(), "");
}

TEST(SimulatedSwitchTest, ResetsTheOpenConnectionWhenAskedAndServesTheNextOne) {
    SimulatedSwitch sim(On(SwitchProfile::Silent));
    sim.ResetConnection();  // none is open: nothing to reset, now or later
    {
        RawClient client(sim.Port());
        client.ReadUntil("User Name:");
        sim.ResetConnection();
        ASSERT_TRUE(WaitFor([&] { return sim.Resets() == 1; }));
        // A RST, not a FIN: the connection fails instead of ending.
        testing::ExpectFailure<std::system_error>(
            [&] { client.Send("admin\r\n"); },
            [](const std::system_error& e) { EXPECT_EQ(e.code().value(), ECONNRESET); });
    }
    RawClient next(sim.Port());
    EXPECT_TRUE(next.ReadUntil("User Name:").ends_with("User Name:"));
    next.Send("admin\r\n");
    EXPECT_TRUE(WaitFor([&] { return sim.Lines().size() == 1; }));
    EXPECT_EQ(sim.Connections(), 2u);
    EXPECT_EQ(sim.Resets(), 1u);
    EXPECT_EQ(sim.Error(), "");
}

// With close_with_reset the last refused login ends in a reset, once
// "authentication failed" has arrived.
TEST(SimulatedSwitchTest, ClosesWithAResetWhenToldOnceItsLastAnswerHasArrived) {
    SimulatedSwitch::Options options = On(SwitchProfile::Silent);
    options.close_with_reset = true;
    SimulatedSwitch sim(options);
    RawClient client(sim.Port());
    client.Send("admin\r\nwrong\r\nadmin\r\nwrong\r\nadmin\r\nwrong\r\n");
    ASSERT_TRUE(WaitFor([&] { return sim.Resets() == 1; }));
    EXPECT_TRUE(client.ReadUntil("failed\r\n").ends_with("\r\nauthentication failed\r\n"));
    testing::ExpectFailure<std::system_error>(
        [&] { client.Send("config\r\n"); },
        [](const std::system_error& e) { EXPECT_EQ(e.code().value(), ECONNRESET); });
    EXPECT_EQ(sim.Error(), "");
}

TEST(SimulatedSwitchTest, RefusesAnAddressItCannotListenOn) {
    const SimulatedSwitch taken(On(SwitchProfile::Silent));
    EXPECT_THROW(SimulatedSwitch{On(SwitchProfile::Silent, taken.Port())}, std::system_error);
    SimulatedSwitch::Options options;
    options.address = "localhost";
    EXPECT_THROW(SimulatedSwitch{options}, std::invalid_argument);
}

// Where the end-to-end tests run it: port 23 of 127.0.0.1, which only a
// private network namespace gives a test for itself.
TEST(SimulatedSwitchNamespaceTest, ServesOurClientOnPort23) {
    const std::string why = testing::EnterPrivateNetwork();
    if (!why.empty())
        VINDEL_SKIP_OR_FAIL("no private network namespace: " + why);
    SimulatedSwitch sim(On(SwitchProfile::Negotiating, 23));
    EXPECT_EQ(sim.Port(), 23);

    std::u16string shown;
    TIdTelnet client;
    client.Host = u"127.0.0.1";
    client.OnDataAvailable = [&](TIdTelnet&, const std::u16string& text) { shown += text; };
    client.Connect();
    EXPECT_TRUE(PumpUntil([&] { return shown.find(u"User Name:") != std::u16string::npos; }));
    EXPECT_TRUE(client.IamTelnet());
    ASSERT_TRUE(WaitFor([&] { return sim.TerminalType() == "dumb"; }));
    EXPECT_EQ(sim.ReceivedBytes(), kClientAnswers);
}

}  // namespace
}  // namespace vindel
