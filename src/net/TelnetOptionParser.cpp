// SPDX-License-Identifier: MIT
#include "net/TelnetOptionParser.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace vindel {
namespace {

using S = TIdTelnetState;

// Writes the parser's local state back to the caller's field however the
// parse ends, a failure thrown by a reply included.
class StateWriteBack final {
  public:
    StateWriteBack(TIdTelnetState& target, const TIdTelnetState& value)
        : target_(target), value_(value) {}
    ~StateWriteBack() { target_ = value_; }
    StateWriteBack(const StateWriteBack&) = delete;
    StateWriteBack& operator=(const StateWriteBack&) = delete;

  private:
    TIdTelnetState& target_;
    const TIdTelnetState& value_;
};

// The reply verb to a request, and what OnTelnetCommand hears of the echo
// option. Every request is answered, also one that confirms what holds.
struct Answer {
    std::uint8_t verb;
    bool tell;
    TIdTelnetCommand status;
};

Answer AnswerTo(std::uint8_t verb, std::uint8_t option) {
    using namespace telnet;
    const bool echo = option == OptionEcho;
    switch (verb) {
        case WILL:
            if (echo)
                return {DO, true, TIdTelnetCommand::tncNoLocalEcho};
            return {option == OptionEndOfRecord ? DO : DONT, false, {}};
        case DO:
            if (echo)
                return {WILL, true, TIdTelnetCommand::tncLocalEcho};
            return {option == OptionTerminalType ? WILL : WONT, false, {}};
        case WONT:
            return {DONT, echo, TIdTelnetCommand::tncLocalEcho};
        default:  // DONT
            return {WONT, echo, TIdTelnetCommand::tncEcho};
    }
}

}  // namespace

TelnetOptionParser::TelnetOptionParser(TIdTelnetState& state, bool& iam_telnet,
                                       std::u16string& terminal, Events& events)
    : state_(state), iam_telnet_(iam_telnet), terminal_(terminal), events_(events) {}

void TelnetOptionParser::Parse(std::string_view received, std::string& data) {
    using namespace telnet;
    // A local copy of the state, so that the compiler can keep it in a
    // register: writes into `data` may alias anything.
    TIdTelnetState state = state_;
    const StateWriteBack write_back(state_, state);

    const auto* p = reinterpret_cast<const std::uint8_t*>(received.data());
    const auto* const end = p + received.size();
    while (p != end) {
        const std::uint8_t byte = *p;
        switch (state) {
            case S::tnsDATA: {
                // Data runs are the bulk of what a switch sends: copy them
                // whole up to the next IAC.
                const auto* iac =
                    static_cast<const std::uint8_t*>(std::memchr(p, IAC, std::size_t(end - p)));
                const auto* stop = iac != nullptr ? iac : end;
                data.append(reinterpret_cast<const char*>(p), std::size_t(stop - p));
                p = stop;
                if (p != end) {
                    iam_telnet_ = true;
                    state = S::tnsIAC;
                    ++p;
                }
                continue;
            }
            case S::tnsIAC:
                switch (byte) {
                    case IAC:
                        data.push_back(static_cast<char>(IAC));
                        state = S::tnsDATA;
                        break;
                    case WILL:
                        state = S::tnsIAC_WILL;
                        break;
                    case DO:
                        state = S::tnsIAC_DO;
                        break;
                    case WONT:
                        state = S::tnsIAC_WONT;
                        break;
                    case DONT:
                        state = S::tnsIAC_DONT;
                        break;
                    case SB:
                        state = S::tnsIAC_SB;
                        break;
                    default:  // SE, NOP, GA and every other command: dropped
                        state = S::tnsDATA;
                        break;
                }
                break;
            case S::tnsIAC_WILL:
            case S::tnsIAC_DO:
            case S::tnsIAC_WONT:
            case S::tnsIAC_DONT: {
                static constexpr std::array<std::uint8_t, 4> kVerbs = {WILL, DO, WONT, DONT};
                const std::uint8_t verb = kVerbs[std::size_t(state) - std::size_t(S::tnsIAC_WILL)];
                // The command is complete before its reply is written: a
                // failing write leaves the parser ready for the next byte.
                state = S::tnsDATA;
                Negotiate(verb, byte);
                break;
            }
            case S::tnsIAC_SB:
                if (byte == IAC) {
                    state = S::tnsIAC_SBIAC;
                } else {
                    // The option code; it is not examined.
                    sb_length_ = 0;
                    state = S::tnsIAC_SBDATA;
                }
                break;
            case S::tnsIAC_SBIAC:
                state = S::tnsDATA;
                break;
            case S::tnsIAC_SBDATA:
                if (byte == IAC) {
                    state = S::tnsSBDATA_IAC;
                } else {
                    if (sb_length_ == 0)
                        sb_first_ = byte;
                    ++sb_length_;
                }
                break;
            case S::tnsSBDATA_IAC:
                switch (byte) {
                    case SE:
                        state = S::tnsDATA;
                        EndSubnegotiation();
                        break;
                    case SB:
                        state = S::tnsIAC_SB;
                        EndSubnegotiation();
                        break;
                    case IAC:
                        if (sb_length_ == 0)
                            sb_first_ = IAC;
                        ++sb_length_;
                        state = S::tnsIAC_SBDATA;
                        break;
                    default:
                        state = S::tnsDATA;
                        break;
                }
                break;
        }
        ++p;
    }
}

void TelnetOptionParser::Negotiate(std::uint8_t verb, std::uint8_t option) {
    const Answer answer = AnswerTo(verb, option);
    const std::array<char, 3> reply = {static_cast<char>(telnet::IAC),
                                       static_cast<char>(answer.verb), static_cast<char>(option)};
    events_.Reply({reply.data(), reply.size()});
    if (answer.tell)
        events_.TelnetCommand(answer.status);
}

void TelnetOptionParser::EndSubnegotiation() {
    using namespace telnet;
    // Only the data is looked at, not the option code: any subnegotiation
    // whose data is the one byte SEND is taken as a terminal-type request.
    if (sb_length_ != 1 || sb_first_ != TerminalTypeSend)
        return;
    if (terminal_.empty())
        terminal_ = u"dumb";
    std::string reply;
    reply.reserve(terminal_.size() + 6);
    reply += {static_cast<char>(IAC), static_cast<char>(SB), static_cast<char>(OptionTerminalType),
              static_cast<char>(TerminalTypeIs)};
    // Replies go out byte for byte; a character beyond one byte has no byte
    // of its own and is sent as "?".
    for (const char16_t ch : terminal_)
        reply.push_back(ch <= 0xFF ? static_cast<char>(ch) : '?');
    reply += {static_cast<char>(IAC), static_cast<char>(SE)};
    events_.Reply(reply);
}

}  // namespace vindel
