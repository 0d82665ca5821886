// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

#include "TelnetCommandFilter.h"

namespace vindel {

// The switch's side of the Telnet options. It offers ECHO and
// SUPPRESS-GO-AHEAD and asks for TERMINAL-TYPE, and answers the client only
// where an option's state changes (RFC 854): confirmations of a state already
// in force get no reply, so a client that answers everything, as ours does,
// can't start a loop.
class OptionNegotiator final {
  public:
    static constexpr unsigned char ECHO = 1;
    static constexpr unsigned char SGA = 3;
    static constexpr unsigned char TTYPE = 24;

    // What the switch sends before anything else: nothing when it doesn't
    // negotiate; else FF FB 01 FF FB 03 FF FD 18 FF FA 18 01 FF F0.
    std::string Opening(bool negotiates);
    // The reply to one command of the client, often none.
    std::string Handle(const TelnetCommand& command);

    // Whether the switch echoes what is typed: from its WILL ECHO on, unless
    // the client refused it.
    bool Echoes() const { return local_[ECHO] != State::Off; }
    // The terminal name from the client's TERMINAL-TYPE IS, if one came.
    const std::string& TerminalType() const { return terminal_type_; }

  private:
    enum class State { Off, Asked, On };

    static bool WeOffer(unsigned char option) { return option == ECHO || option == SGA; }
    static bool WeAccept(unsigned char option) { return option == TTYPE; }
    static std::string Command(unsigned char verb, unsigned char option);
    static std::string TerminalTypeSend();

    // What this end does (WILL) and what the client does (DO), per option.
    std::array<State, 256> local_{};
    std::array<State, 256> remote_{};
    std::string terminal_type_;
};

}  // namespace vindel
