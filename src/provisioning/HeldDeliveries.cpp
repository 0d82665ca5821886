// SPDX-License-Identifier: MIT
#include "provisioning/HeldDeliveries.h"

#include <algorithm>

#include "common/MainThreadQueue.h"

namespace vindel {

void RunHeldDeliveries(const std::function<void()>& meanwhile) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const Clock::time_point last = start + kMostAnswerWait;
    Clock::time_point quietSince = start;
    for (Clock::time_point now = start; now < last && now < quietSince + kAnswersQuiet;
         now = Clock::now()) {
        if (MainThread().WaitAndRun(
                std::min({last, quietSince + kAnswersQuiet, now + kMeanwhileEvery})))
            quietSince = Clock::now();
        if (meanwhile)
            meanwhile();
    }
}

}  // namespace vindel
