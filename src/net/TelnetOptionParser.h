// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "net/TelnetTypes.h"

namespace vindel {

// The Telnet option parser of one delivery. It does no I/O: bytes go in, the
// data bytes are appended to a string, and every reply goes to Events, whose
// owner decides whether to write it (the client writes a reply only while it
// is connected). Make one parser per delivery: the subnegotiation data belongs
// to one delivery and starts empty with each. The state and the "peer speaks
// Telnet" flag are the caller's and carry over.
class TelnetOptionParser final {
  public:
    class Events {
      public:
        // One reply, to be written as one write.
        virtual void Reply(std::string_view bytes) = 0;
        // The peer negotiated the echo option; called after its reply.
        virtual void TelnetCommand(TIdTelnetCommand status) = 0;

      protected:
        ~Events() = default;
    };

    // `state`, `iam_telnet` and `terminal` are read and written in place, so a
    // failure thrown by Events leaves them as far as the parser got. An empty
    // `terminal` becomes "dumb" when a terminal type is asked for.
    TelnetOptionParser(TIdTelnetState& state, bool& iam_telnet, std::u16string& terminal,
                       Events& events);

    // Parses the next bytes of this delivery; may be called more than once.
    void Parse(std::string_view received, std::string& data);

  private:
    void Negotiate(std::uint8_t verb, std::uint8_t option);
    void EndSubnegotiation();

    TIdTelnetState& state_;
    bool& iam_telnet_;
    std::u16string& terminal_;
    Events& events_;
    // Only "is the data exactly the one byte SEND" is ever asked of the
    // subnegotiation data, so its length and first byte stand for it. That
    // also keeps a huge subnegotiation from costing memory.
    std::size_t sb_length_ = 0;
    std::uint8_t sb_first_ = 0;
};

}  // namespace vindel
