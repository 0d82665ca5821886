// SPDX-License-Identifier: MIT
#include "provisioning/HeldDeliveries.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "common/MainThreadQueue.h"

namespace vindel {
namespace {

// A receiving thread hands over one delivery after another, each as soon as
// the last has run: all of them run, and the wait ends once it stops. One
// that never stops is cut off by the cap.
TEST(HeldDeliveriesTest, RunsDeliveriesUntilTheyStopOrTheCap) {
    for (const int handOvers : {3, -1}) {
        SCOPED_TRACE(handOvers < 0 ? "endless" : "three");
        std::atomic<bool> stop = false;
        std::atomic<bool> finished = false;
        int ran = 0;
        int repaints = 0;
        std::thread worker([&] {
            for (int i = 0; (handOvers < 0 || i < handOvers) && !stop; ++i)
                MainThread().Synchronize([&] { ++ran; });
            finished = true;
            MainThread().Notify();
        });
        RunHeldDeliveries([&] { ++repaints; });
        if (handOvers > 0) {
            EXPECT_EQ(ran, handOvers);
        } else {
            EXPECT_GT(ran, 3);
        }
        EXPECT_GT(repaints, 0);
        // The endless one may be waiting for its last delivery.
        stop = true;
        MainThread().RunUntil([&] { return finished.load(); });
        worker.join();
    }
}

}  // namespace
}  // namespace vindel
