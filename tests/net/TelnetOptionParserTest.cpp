// SPDX-License-Identifier: MIT
#include "net/TelnetOptionParser.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "Bytes.h"

namespace vindel {
namespace {

using testing::B;
using S = TIdTelnetState;
using C = TIdTelnetCommand;

const std::string kDumbReply = B({0xFF, 0xFA, 0x18, 0x00, 'd', 'u', 'm', 'b', 0xFF, 0xF0});

std::string Hex(const std::string& bytes) {
    std::string out;
    for (const char c : bytes) {
        char part[4];
        std::snprintf(part, sizeof part, "%02X ", static_cast<unsigned char>(c));
        out += part;
    }
    return out;
}

// Everything one run of the parser gives.
struct Outcome {
    std::string data;
    std::vector<std::string> replies;
    std::vector<C> commands;
    S state = S::tnsDATA;
    bool iam_telnet = false;

    bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& o, std::ostream* os) {
    *os << "{data: " << Hex(o.data) << "| replies:";
    for (const auto& r : o.replies)
        *os << " [" << Hex(r) << "]";
    *os << " | commands:";
    for (const auto c : o.commands)
        *os << ' ' << int(c);
    *os << " | state " << int(o.state) << " | iam " << o.iam_telnet << '}';
}

class Recorder final : public TelnetOptionParser::Events {
  public:
    explicit Recorder(Outcome& outcome) : outcome_(outcome) {}
    void Reply(std::string_view bytes) override { outcome_.replies.emplace_back(bytes); }
    void TelnetCommand(TIdTelnetCommand status) override { outcome_.commands.push_back(status); }

  private:
    Outcome& outcome_;
};

enum class Feed { Whole, ByteByByte };

// Runs a sequence of deliveries from a fresh component state: a new parser
// per delivery, as the client makes them.
Outcome Parsed(const std::vector<std::string>& deliveries, Feed feed) {
    Outcome o;
    std::u16string terminal = u"dumb";
    Recorder recorder(o);
    for (const auto& delivery : deliveries) {
        TelnetOptionParser parser(o.state, o.iam_telnet, terminal, recorder);
        if (feed == Feed::Whole) {
            parser.Parse(delivery, o.data);
        } else {
            for (const char c : delivery)
                parser.Parse({&c, 1}, o.data);
        }
    }
    return o;
}

struct Row {
    const char* name;
    std::vector<std::string> deliveries;
    Outcome expected;
    // Whether cutting the bytes into deliveries anywhere gives the same
    // result. Not so for a subnegotiation: its data starts afresh with each
    // delivery.
    bool split_anywhere = true;
};

const std::vector<Row>& Rows() {
    static const std::vector<Row> rows = {
        {"plain data passes unchanged",
         {"login: \r\n"},
         {"login: \r\n", {}, {}, S::tnsDATA, false}},
        {"bytes above 127 are data",
         {B({0x80, 0xFE, 0x00})},
         {B({0x80, 0xFE, 0x00}), {}, {}, S::tnsDATA, false}},
        {"IAC IAC is one 255",
         {B({'a', 0xFF, 0xFF, 'b'})},
         {B({'a', 0xFF, 'b'}), {}, {}, S::tnsDATA, true}},
        // The reply table.
        {"WILL ECHO",
         {B({0xFF, 0xFB, 1})},
         {"", {B({0xFF, 0xFD, 1})}, {C::tncNoLocalEcho}, S::tnsDATA, true}},
        {"WILL EOR", {B({0xFF, 0xFB, 25})}, {"", {B({0xFF, 0xFD, 25})}, {}, S::tnsDATA, true}},
        {"WILL SGA and WILL 0 refused",
         {B({0xFF, 0xFB, 3, 0xFF, 0xFB, 0})},
         {"", {B({0xFF, 0xFE, 3}), B({0xFF, 0xFE, 0})}, {}, S::tnsDATA, true}},
        {"DO ECHO",
         {B({0xFF, 0xFD, 1})},
         {"", {B({0xFF, 0xFB, 1})}, {C::tncLocalEcho}, S::tnsDATA, true}},
        {"DO TERMINAL-TYPE",
         {B({0xFF, 0xFD, 24})},
         {"", {B({0xFF, 0xFB, 24})}, {}, S::tnsDATA, true}},
        {"DO NAWS and DO 0 refused",
         {B({0xFF, 0xFD, 31, 0xFF, 0xFD, 0})},
         {"", {B({0xFF, 0xFC, 31}), B({0xFF, 0xFC, 0})}, {}, S::tnsDATA, true}},
        {"WONT ECHO",
         {B({0xFF, 0xFC, 1})},
         {"", {B({0xFF, 0xFE, 1})}, {C::tncLocalEcho}, S::tnsDATA, true}},
        {"WONT other", {B({0xFF, 0xFC, 24})}, {"", {B({0xFF, 0xFE, 24})}, {}, S::tnsDATA, true}},
        {"DONT ECHO though nothing was agreed",
         {B({0xFF, 0xFE, 1})},
         {"", {B({0xFF, 0xFC, 1})}, {C::tncEcho}, S::tnsDATA, true}},
        {"DONT other", {B({0xFF, 0xFE, 25})}, {"", {B({0xFF, 0xFC, 25})}, {}, S::tnsDATA, true}},
        {"option 255 is an option like any",
         {B({0xFF, 0xFD, 0xFF, 'x'})},
         {"x", {B({0xFF, 0xFC, 0xFF})}, {}, S::tnsDATA, true}},
        {"commands among data",
         {B({'a', 'b', 0xFF, 0xFD, 24, 'c', 0xFF, 0xF9, 'd'})},
         {"abcd", {B({0xFF, 0xFB, 24})}, {}, S::tnsDATA, true}},
        {"GA, NOP and a stray SE are dropped",
         {B({0xFF, 0xF9, 0xFF, 0xF1, 0xFF, 0xF0})},
         {"", {}, {}, S::tnsDATA, true}},
        // Subnegotiations.
        {"terminal-type SEND",
         {B({0xFF, 0xFA, 24, 1, 0xFF, 0xF0})},
         {"", {kDumbReply}, {}, S::tnsDATA, true},
         false},
        {"SEND under another option code",
         {B({0xFF, 0xFA, 39, 1, 0xFF, 0xF0})},
         {"", {kDumbReply}, {}, S::tnsDATA, true},
         false},
        {"SEND followed by an escaped 255",
         {B({0xFF, 0xFA, 24, 1, 0xFF, 0xFF, 0xFF, 0xF0, 'z'})},
         {"z", {}, {}, S::tnsDATA, true},
         false},
        {"terminal-type IS",
         {B({0xFF, 0xFA, 24, 0, 'x', 0xFF, 0xF0})},
         {"", {}, {}, S::tnsDATA, true},
         false},
        {"empty subnegotiation",
         {B({0xFF, 0xFA, 24, 0xFF, 0xF0})},
         {"", {}, {}, S::tnsDATA, true},
         false},
        {"IAC SB ends one and opens the next",
         {B({0xFF, 0xFA, 24, 1, 0xFF, 0xFA, 24, 1, 0xFF, 0xF0})},
         {"", {kDumbReply, kDumbReply}, {}, S::tnsDATA, true},
         false},
        {"IAC after IAC SB drops the next byte",
         {B({0xFF, 0xFA, 0xFF, 'a', 'b'})},
         {"b", {}, {}, S::tnsDATA, true}},
        {"IAC and another byte abandon a subnegotiation",
         {B({0xFF, 0xFA, 24, 1, 0xFF, 'a', 'z'})},
         {"z", {}, {}, S::tnsDATA, true},
         false},
        // A delivery may end in any state; the next one goes on from there.
        {"ends after IAC", {B({'a', 0xFF})}, {"a", {}, {}, S::tnsIAC, true}},
        {"ends after WILL", {B({0xFF, 0xFB})}, {"", {}, {}, S::tnsIAC_WILL, true}},
        {"ends after DO", {B({0xFF, 0xFD})}, {"", {}, {}, S::tnsIAC_DO, true}},
        {"ends after WONT", {B({0xFF, 0xFC})}, {"", {}, {}, S::tnsIAC_WONT, true}},
        {"ends after DONT", {B({0xFF, 0xFE})}, {"", {}, {}, S::tnsIAC_DONT, true}},
        {"ends after SB", {B({0xFF, 0xFA})}, {"", {}, {}, S::tnsIAC_SB, true}},
        {"ends after SB IAC", {B({0xFF, 0xFA, 0xFF})}, {"", {}, {}, S::tnsIAC_SBIAC, true}},
        {"ends in subnegotiation data",
         {B({0xFF, 0xFA, 24, 1})},
         {"", {}, {}, S::tnsIAC_SBDATA, true}},
        {"ends after IAC in subnegotiation data",
         {B({0xFF, 0xFA, 24, 1, 0xFF})},
         {"", {}, {}, S::tnsSBDATA_IAC, true}},
        // The split points where the outcome changes, and ones where it doesn't.
        {"IAC | WILL ECHO",
         {B({0xFF}), B({0xFB, 1})},
         {"", {B({0xFF, 0xFD, 1})}, {C::tncNoLocalEcho}, S::tnsDATA, true}},
        {"IAC SB | 24 SEND IAC SE",
         {B({0xFF, 0xFA}), B({24, 1, 0xFF, 0xF0})},
         {"", {kDumbReply}, {}, S::tnsDATA, true},
         false},
        {"IAC SB 24 | SEND IAC SE",
         {B({0xFF, 0xFA, 24}), B({1, 0xFF, 0xF0})},
         {"", {kDumbReply}, {}, S::tnsDATA, true},
         false},
        {"IAC SB 24 SEND | IAC SE loses SEND",
         {B({0xFF, 0xFA, 24, 1}), B({0xFF, 0xF0})},
         {"", {}, {}, S::tnsDATA, true},
         false},
        {"IAC SB 24 SEND IAC | SE loses SEND",
         {B({0xFF, 0xFA, 24, 1, 0xFF}), B({0xF0})},
         {"", {}, {}, S::tnsDATA, true},
         false},
        {"IAC SB 24 0 | SEND IAC SE is SEND alone",
         {B({0xFF, 0xFA, 24, 0}), B({1, 0xFF, 0xF0})},
         {"", {kDumbReply}, {}, S::tnsDATA, true},
         false},
    };
    return rows;
}

TEST(TelnetOptionParser, TableFedAsGiven) {
    for (const Row& row : Rows())
        EXPECT_EQ(Parsed(row.deliveries, Feed::Whole), row.expected) << row.name;
}

TEST(TelnetOptionParser, TableFedOneByteAtATimeWithinEachDelivery) {
    for (const Row& row : Rows())
        EXPECT_EQ(Parsed(row.deliveries, Feed::ByteByByte), row.expected) << row.name;
}

// The state carries over, so outside a subnegotiation it doesn't matter how
// the bytes were cut into deliveries.
TEST(TelnetOptionParser, TableCutIntoDeliveriesAnywhere) {
    for (const Row& row : Rows()) {
        if (!row.split_anywhere)
            continue;
        std::string all;
        for (const auto& d : row.deliveries)
            all += d;
        for (std::size_t cut = 0; cut <= all.size(); ++cut) {
            EXPECT_EQ(Parsed({all.substr(0, cut), all.substr(cut)}, Feed::Whole), row.expected)
                << row.name << ", cut at " << cut;
        }
        std::vector<std::string> single_bytes;
        for (const char c : all)
            single_bytes.emplace_back(1, c);
        EXPECT_EQ(Parsed(single_bytes, Feed::Whole), row.expected) << row.name << ", byte by byte";
    }
}

TEST(TelnetOptionParser, TerminalTypeReplyNamesTheTerminalAndFillsInDumb) {
    struct Case {
        std::u16string terminal;
        std::string reply;
        std::u16string terminal_after;
    };
    const Case cases[] = {
        {u"vt100", B({0xFF, 0xFA, 0x18, 0x00, 'v', 't', '1', '0', '0', 0xFF, 0xF0}), u"vt100"},
        {u"", kDumbReply, u"dumb"},
        {u"\u00e9\u20ac", B({0xFF, 0xFA, 0x18, 0x00, 0xE9, '?', 0xFF, 0xF0}), u"\u00e9\u20ac"},
    };
    for (const Case& c : cases) {
        Outcome o;
        Recorder recorder(o);
        std::u16string terminal = c.terminal;
        TelnetOptionParser parser(o.state, o.iam_telnet, terminal, recorder);
        parser.Parse(B({0xFF, 0xFA, 24, 1, 0xFF, 0xF0}), o.data);
        ASSERT_EQ(o.replies.size(), 1u);
        EXPECT_EQ(Hex(o.replies[0]), Hex(c.reply));
        EXPECT_EQ(terminal, c.terminal_after);
    }
}

// A reply whose write fails ends the delivery; the command that asked for it
// is complete, so the next delivery starts from clean data.
TEST(TelnetOptionParser, FailingReplyLeavesTheCommandConsumed) {
    class Failing final : public TelnetOptionParser::Events {
      public:
        void Reply(std::string_view) override { throw std::runtime_error("write failed"); }
        void TelnetCommand(TIdTelnetCommand) override {}
    } failing;
    S state = S::tnsDATA;
    bool iam = false;
    std::u16string terminal = u"dumb";
    std::string data;
    TelnetOptionParser parser(state, iam, terminal, failing);
    EXPECT_THROW(parser.Parse(B({'a', 0xFF, 0xFD, 24, 'b'}), data), std::runtime_error);
    EXPECT_EQ(data, "a");
    EXPECT_EQ(state, S::tnsDATA);
    EXPECT_TRUE(iam);
}

}  // namespace
}  // namespace vindel
