// SPDX-License-Identifier: MIT
// The switch's Telnet side on its own: taking the client's commands out of
// the stream, and answering them without starting a negotiation loop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Bytes.h"
#include "OptionNegotiator.h"
#include "TelnetCommandFilter.h"

namespace vindel {
namespace {

using testing::B;
using F = TelnetCommandFilter;
using N = OptionNegotiator;

// The commands as comparable text: verb, option and data.
std::vector<std::string> Flatten(const std::vector<TelnetCommand>& commands) {
    std::vector<std::string> out;
    for (const TelnetCommand& c : commands)
        out.push_back(B({c.verb, c.option}) + c.data);
    return out;
}

TEST(TelnetCommandFilterTest, GivesTheSameTextAndCommandsWhereverTheStreamIsSplit) {
    // Everything our client may send, and the oddities around it: a doubled
    // IAC in text and in a subnegotiation, a two-byte command (NOP), and a
    // CR NUL line end that must stay text.
    const std::string stream = "ab" + B({255, 255}) + "c" + B({255, 253, 1}) + B({255, 241}) +
                               "d\r" + B({0}) + B({255, 250, 24, 0}) + "du" + B({255, 255}) + "m" +
                               B({255, 240}) + "e" + B({255, 251, 24}) + B({255, 254, 3});
    const std::string text = "ab" + B({255}) + "cd\r" + B({0}) + "e";
    const std::vector<std::string> commands = {B({253, 1}), B({250, 24, 0}) + "du" + B({255}) + "m",
                                               B({251, 24}), B({254, 3})};

    for (std::size_t split = 0; split <= stream.size(); ++split) {
        SCOPED_TRACE("split at " + std::to_string(split));
        F filter;
        F::Result first = filter.Feed(std::string_view(stream).substr(0, split));
        const F::Result second = filter.Feed(std::string_view(stream).substr(split));
        EXPECT_EQ(first.text + second.text, text);
        auto all = Flatten(first.commands);
        for (const auto& c : Flatten(second.commands))
            all.push_back(c);
        EXPECT_EQ(all, commands);
    }
    F byte_by_byte;
    std::string typed;
    for (const char ch : stream)
        typed += byte_by_byte.Feed(std::string(1, ch)).text;
    EXPECT_EQ(typed, text);
}

TEST(OptionNegotiatorTest, OpensOnlyWhenItNegotiates) {
    N silent;
    EXPECT_EQ(silent.Opening(false), "");
    EXPECT_FALSE(silent.Echoes());

    N negotiating;
    EXPECT_EQ(negotiating.Opening(true), B({0xFF, 0xFB, 0x01, 0xFF, 0xFB, 0x03, 0xFF, 0xFD, 0x18,
                                            0xFF, 0xFA, 0x18, 0x01, 0xFF, 0xF0}));
    EXPECT_TRUE(negotiating.Echoes()) << "a switch echoes from its WILL ECHO on";
}

// One conversation, in order: the answers our client gives to the opening
// (its table: DO ECHO, DONT SGA, WILL TTYPE, TTYPE IS dumb), then requests and
// confirmations of its own. A reply to a confirmation would start a loop with
// a client that answers everything.
TEST(OptionNegotiatorTest, RepliesOnlyWhereAnOptionChanges) {
    struct Row {
        const char* what;
        TelnetCommand received;
        std::string reply;
        bool echoes;
    };
    const Row rows[] = {
        {"DO ECHO agrees to the offer", {F::DO, N::ECHO, ""}, "", true},
        {"DONT SGA refuses the offer", {F::DONT, N::SGA, ""}, "", true},
        {"WILL TTYPE agrees to the request", {F::WILL, N::TTYPE, ""}, "", true},
        {"TTYPE IS names the terminal", {F::SB, N::TTYPE, B({0}) + "dumb"}, "", true},
        {"DO ECHO again is already in force", {F::DO, N::ECHO, ""}, "", true},
        {"DONT SGA again is already in force", {F::DONT, N::SGA, ""}, "", true},
        {"DO of an option not offered is refused", {F::DO, 31, ""}, B({255, 252, 31}), true},
        {"the client's DONT after that refusal", {F::DONT, 31, ""}, "", true},
        {"WILL of an option not asked for is refused", {F::WILL, 5, ""}, B({255, 254, 5}), true},
        {"the client's WONT after that refusal", {F::WONT, 5, ""}, "", true},
        {"DONT ECHO turns the echo off, confirmed",
         {F::DONT, N::ECHO, ""},
         B({255, 252, 1}),
         false},
        {"DONT ECHO again changes nothing", {F::DONT, N::ECHO, ""}, "", false},
        {"DO ECHO turns it on again", {F::DO, N::ECHO, ""}, B({255, 251, 1}), true},
        {"WONT TTYPE ends an agreed option", {F::WONT, N::TTYPE, ""}, B({255, 254, 24}), true},
    };
    N negotiator;
    negotiator.Opening(true);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(negotiator.Handle(row.received), row.reply);
        EXPECT_EQ(negotiator.Echoes(), row.echoes);
    }
    EXPECT_EQ(negotiator.TerminalType(), "dumb");
}

}  // namespace
}  // namespace vindel
