// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <thread>

#include "common/MainThreadQueue.h"

namespace vindel::testing {

// Milliseconds from now until `deadline`, rounded up and never below 0: the
// time limit for one poll() on the way to it.
inline int MsLeft(std::chrono::steady_clock::time_point deadline) {
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Polls `done` until it holds or `limit` has passed; whether it held. The
// limit is generous: it only bounds how long a failing test takes.
template <typename Done>
bool WaitFor(Done&& done, std::chrono::milliseconds limit = std::chrono::milliseconds(5000)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// WaitFor that runs the work handed to the main thread (the Telnet client's
// deliveries) on the way, as the program's event loop would.
template <typename Done>
bool PumpUntil(Done&& done, std::chrono::milliseconds limit = std::chrono::milliseconds(5000)) {
    return WaitFor(
        [&] {
            MainThread().CheckSynchronize();
            return done();
        },
        limit);
}

}  // namespace vindel::testing
