// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <string>

namespace vindel {

// What one read from a client's connection gave, untouched: Telnet commands
// and all.
struct ReceivedChunk {
    using Clock = std::chrono::steady_clock;

    unsigned connection = 0;  // 1 for the first connection served, and so on
    Clock::time_point connected_at;
    Clock::time_point at;  // when the read returned
    std::string bytes;

    std::chrono::milliseconds SinceConnect() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(at - connected_at);
    }
};

}  // namespace vindel
