// SPDX-License-Identifier: MIT
#include "common/MainThreadQueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

#include "Waiting.h"

namespace vindel {
namespace {

TEST(MainThreadQueue, WorkerWaitsUntilTheMainThreadRunsItsWork) {
    MainThreadQueue queue;
    std::atomic<bool> queued = false;
    queue.SetWakeUp([&] { queued = true; });
    std::atomic<bool> ran = false;
    std::atomic<bool> worker_returned = false;
    std::thread worker([&] {
        queue.Synchronize([&] { ran = true; });
        worker_returned = true;
    });
    EXPECT_TRUE(testing::WaitFor([&] { return queued.load(); }));
    EXPECT_FALSE(worker_returned);  // nothing runs it behind the main thread's back
    EXPECT_TRUE(queue.CheckSynchronize());
    worker.join();
    EXPECT_TRUE(ran);
    EXPECT_FALSE(queue.CheckSynchronize());
}

TEST(MainThreadQueue, FailureGoesBackToTheWorker) {
    MainThreadQueue queue;
    bool worker_saw_failure = false;
    std::atomic<bool> finished = false;
    std::thread worker([&] {
        try {
            queue.Synchronize([] { throw std::runtime_error("reply failed"); });
        } catch (const std::runtime_error&) {
            worker_saw_failure = true;
        }
        finished = true;
        queue.Notify();
    });
    queue.RunUntil([&] { return finished.load(); });
    worker.join();
    EXPECT_TRUE(worker_saw_failure);
}

}  // namespace
}  // namespace vindel
