// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <functional>

namespace vindel {

// After the script's last line, the switch's answers are read until it has
// said nothing for kAnswersQuiet, and for kMostAnswerWait at the most. What
// it said while the script typed is already here, only not yet delivered, so
// delivering it takes a few milliseconds; a switch answers a line within tens
// of milliseconds, so a quarter of a second of silence means it has finished.
// The cap stops a peer that never falls quiet (a stream of log lines).
inline constexpr std::chrono::milliseconds kAnswersQuiet{250};
inline constexpr std::chrono::milliseconds kMostAnswerWait{1500};

// Runs the receiving thread's deliveries on this, the user-interface thread,
// as said above. Between waits of at most kMeanwhileEvery it runs
// `meanwhile`, if given (the windows repaint).
inline constexpr std::chrono::milliseconds kMeanwhileEvery{15};
void RunHeldDeliveries(const std::function<void()>& meanwhile = {});

}  // namespace vindel
