// SPDX-License-Identifier: MIT
#include "OptionNegotiator.h"

namespace vindel {

namespace {
using F = TelnetCommandFilter;
constexpr unsigned char kSend = 1;
constexpr unsigned char kIs = 0;
}  // namespace

std::string OptionNegotiator::Command(unsigned char verb, unsigned char option) {
    return {static_cast<char>(F::IAC), static_cast<char>(verb), static_cast<char>(option)};
}

std::string OptionNegotiator::TerminalTypeSend() {
    return {static_cast<char>(F::IAC), static_cast<char>(F::SB),  static_cast<char>(TTYPE),
            static_cast<char>(kSend),  static_cast<char>(F::IAC), static_cast<char>(F::SE)};
}

std::string OptionNegotiator::Opening(bool negotiates) {
    if (!negotiates)
        return {};
    local_[ECHO] = local_[SGA] = State::Asked;
    remote_[TTYPE] = State::Asked;
    // The SEND goes out at once, without waiting for WILL TERMINAL-TYPE:
    // switches do so, and a client that holds its replies back must cope.
    return Command(F::WILL, ECHO) + Command(F::WILL, SGA) + Command(F::DO, TTYPE) +
           TerminalTypeSend();
}

std::string OptionNegotiator::Handle(const TelnetCommand& command) {
    const unsigned char x = command.option;
    switch (command.verb) {
        case F::DO:
            if (local_[x] != State::Off) {
                local_[x] = State::On;
                return {};
            }
            if (WeOffer(x)) {
                local_[x] = State::On;
                return Command(F::WILL, x);
            }
            return Command(F::WONT, x);
        case F::DONT: {
            const State was = local_[x];
            local_[x] = State::Off;
            // A refusal of an offer is final; only a change of an agreed
            // option is confirmed.
            return was == State::On ? Command(F::WONT, x) : std::string();
        }
        case F::WILL:
            if (remote_[x] != State::Off) {
                remote_[x] = State::On;
                return {};
            }
            if (WeAccept(x)) {
                remote_[x] = State::On;
                return Command(F::DO, x) + TerminalTypeSend();
            }
            return Command(F::DONT, x);
        case F::WONT: {
            const State was = remote_[x];
            remote_[x] = State::Off;
            return was == State::On ? Command(F::DONT, x) : std::string();
        }
        case F::SB:
            if (x == TTYPE && !command.data.empty() &&
                static_cast<unsigned char>(command.data[0]) == kIs)
                terminal_type_ = command.data.substr(1);
            return {};
        default:
            return {};
    }
}

}  // namespace vindel
