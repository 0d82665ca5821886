// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "UniqueFd.h"

namespace vindel::testing {

// A plain TCP client on 127.0.0.1, for seeing the switch's bytes exactly as
// they come, Telnet commands included. Failures throw.
class RawClient final {
  public:
    using Ms = std::chrono::milliseconds;

    explicit RawClient(std::uint16_t port);

    void Send(std::string_view bytes) const;
    // Reads until what has come so far contains `needle` or `limit` has
    // passed; returns everything received since the connect.
    const std::string& ReadUntil(std::string_view needle, Ms limit = Ms(5000));
    // Whether the switch closed the connection within `limit`.
    bool ReadToEnd(Ms limit = Ms(5000));
    const std::string& Received() const { return received_; }
    void Close() { fd_.reset(); }

  private:
    // One read, waiting up to `ms`; false at the end of the stream or
    // when nothing came.
    bool ReadOnce(int ms, bool& ended);

    UniqueFd fd_;
    std::string received_;
};

}  // namespace vindel::testing
