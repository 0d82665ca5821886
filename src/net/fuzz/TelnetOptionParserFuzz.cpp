// SPDX-License-Identifier: MIT
// libFuzzer target for the option parser. The first two bytes choose the
// starting state, the flags and where deliveries are cut; the rest is what the
// peer sent. It checks what must hold for any input:
//  - within one delivery, how the bytes are fed doesn't change anything;
//  - every reply is a three-byte answer from the table or the terminal type;
//  - bytes without IAC pass unchanged;
//  - cut into deliveries anywhere, only terminal-type replies can change.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "net/TelnetOptionParser.h"

namespace {

using vindel::TelnetOptionParser;
using vindel::TIdTelnetCommand;
using vindel::TIdTelnetState;

struct Outcome {
    std::string data;
    std::vector<std::string> replies;
    std::vector<TIdTelnetCommand> commands;
    TIdTelnetState state;
    bool iam_telnet;
    std::u16string terminal;

    bool operator==(const Outcome&) const = default;
};

class Recorder final : public TelnetOptionParser::Events {
  public:
    explicit Recorder(Outcome& o) : o_(o) {}
    void Reply(std::string_view bytes) override { o_.replies.emplace_back(bytes); }
    void TelnetCommand(TIdTelnetCommand status) override { o_.commands.push_back(status); }

  private:
    Outcome& o_;
};

void Check(bool holds) {
    if (!holds)
        std::abort();
}

Outcome Start(TIdTelnetState state, bool iam, bool empty_terminal) {
    return {{}, {}, {}, state, iam, empty_terminal ? u"" : u"dumb"};
}

// `cuts` == 0: one delivery fed whole; 1: one delivery fed byte by byte;
// otherwise a new delivery after every byte whose value mod `cuts` is 0.
void Feed(Outcome& o, std::string_view stream, unsigned cuts) {
    Recorder recorder(o);
    auto parser = std::make_unique<TelnetOptionParser>(o.state, o.iam_telnet, o.terminal, recorder);
    for (std::size_t i = 0; i < stream.size(); ++i) {
        if (cuts == 0) {
            parser->Parse(stream, o.data);
            return;
        }
        parser->Parse(stream.substr(i, 1), o.data);
        if (cuts > 1 && static_cast<unsigned char>(stream[i]) % cuts == 0)
            parser =
                std::make_unique<TelnetOptionParser>(o.state, o.iam_telnet, o.terminal, recorder);
    }
}

void CheckReplies(const Outcome& o) {
    for (const std::string& r : o.replies) {
        if (r.size() == 3) {
            Check(r[0] == '\xff');
            const auto verb = static_cast<unsigned char>(r[1]);
            Check(verb >= 251 && verb <= 254);
        } else {
            Check(r == std::string("\xff\xfa\x18", 3) + '\0' + "dumb\xff\xf0");
        }
    }
    Check(o.terminal == u"dumb" || o.terminal.empty());
}

std::vector<std::string> Negotiation(const std::vector<std::string>& replies) {
    std::vector<std::string> three;
    for (const auto& r : replies) {
        if (r.size() == 3)
            three.push_back(r);
    }
    return three;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size < 2)
        return 0;
    const auto state = static_cast<TIdTelnetState>(bytes[0] % 10);
    const bool iam = (bytes[1] & 1) != 0;
    const bool empty_terminal = (bytes[1] & 2) != 0;
    const unsigned cuts = 2u + bytes[1] / 4u;
    const std::string_view stream(reinterpret_cast<const char*>(bytes) + 2, size - 2);

    Outcome whole = Start(state, iam, empty_terminal);
    Feed(whole, stream, 0);
    Outcome byte_by_byte = Start(state, iam, empty_terminal);
    Feed(byte_by_byte, stream, 1);
    Check(whole == byte_by_byte);
    CheckReplies(whole);
    Check(whole.data.size() <= stream.size());

    if (state == TIdTelnetState::tnsDATA && stream.find('\xff') == std::string_view::npos) {
        Check(whole.data == stream);
        Check(whole.replies.empty() && whole.commands.empty());
        Check(whole.iam_telnet == iam);
        Check(whole.state == TIdTelnetState::tnsDATA);
    }

    Outcome cut = Start(state, iam, empty_terminal);
    Feed(cut, stream, cuts);
    CheckReplies(cut);
    // Cutting changes a subnegotiation's data, so only terminal-type replies
    // may differ; data, negotiation replies and commands may not.
    Check(cut.data == whole.data);
    Check(Negotiation(cut.replies) == Negotiation(whole.replies));
    Check(cut.commands == whole.commands);
    Check(cut.state == whole.state && cut.iam_telnet == whole.iam_telnet);
    return 0;
}
