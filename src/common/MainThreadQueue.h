// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>

namespace vindel {

// Work that another thread hands to the user-interface thread and waits for.
// The user-interface thread runs it only when it processes its messages (the
// application's event loop, the nested loop of a message box) or when it
// waits for a worker explicitly; never in the middle of a handler.
class MainThreadQueue final {
  public:
    // Called on the worker thread after work was queued, to wake the
    // user-interface thread. The application posts an event from it.
    using WakeUp = std::function<void()>;

    // The wake-up is set once by the application before any worker runs.
    void SetWakeUp(WakeUp wake_up);

    // Worker side: queues the work, wakes the user-interface thread and blocks,
    // without a time limit, until it has run. What the work threw is thrown
    // here again, on the worker.
    void Synchronize(std::function<void()> work);

    // User-interface side: runs everything queued so far, in order. Returns
    // whether anything ran.
    bool CheckSynchronize();

    // User-interface side: waits until work is queued or `deadline` has come,
    // then runs what is queued. Returns whether anything ran.
    bool WaitAndRun(std::chrono::steady_clock::time_point deadline);

    // User-interface side: runs queued work until `done` holds, sleeping in
    // between. `done` is checked under the queue's lock after every wake, so a
    // worker that ends must call Notify() once it has.
    void RunUntil(const std::function<bool()>& done);

    // Wakes a RunUntil, for a worker whose state `done` watches has changed.
    void Notify();

  private:
    struct Item;

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::shared_ptr<Item>> queue_;
    WakeUp wake_up_;
};

// The process's one queue towards the user-interface thread.
MainThreadQueue& MainThread();

}  // namespace vindel
