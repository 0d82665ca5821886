// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vindel {

// One option command or subnegotiation that the client sent.
struct TelnetCommand {
    unsigned char verb = 0;    // WILL, WONT, DO, DONT or SB
    unsigned char option = 0;  // the option code
    std::string data;          // SB only: the bytes before IAC SE, IAC IAC undone
};

// Takes the client's Telnet commands out of the received stream, so that the
// command line sees only the typed text. Keeps its state from one chunk to
// the next: TCP may split a command anywhere.
class TelnetCommandFilter final {
  public:
    static constexpr unsigned char IAC = 255;
    static constexpr unsigned char DONT = 254;
    static constexpr unsigned char DO = 253;
    static constexpr unsigned char WONT = 252;
    static constexpr unsigned char WILL = 251;
    static constexpr unsigned char SB = 250;
    static constexpr unsigned char SE = 240;

    struct Result {
        std::string text;
        std::vector<TelnetCommand> commands;
    };

    // The text and the completed commands of one received chunk. IAC IAC is
    // one data byte 255; other two-byte commands (NOP, GA, ...) are dropped.
    Result Feed(std::string_view bytes);

  private:
    enum class State { Data, Iac, Option, Sb, SbData, SbIac };

    State state_ = State::Data;
    TelnetCommand pending_;
};

}  // namespace vindel
