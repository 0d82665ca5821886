// SPDX-License-Identifier: MIT
#include "common/MainThreadQueue.h"

namespace vindel {

struct MainThreadQueue::Item {
    std::function<void()> work;
    std::exception_ptr failure;
    bool done = false;
};

void MainThreadQueue::SetWakeUp(WakeUp wake_up) {
    std::lock_guard lock(mutex_);
    wake_up_ = std::move(wake_up);
}

void MainThreadQueue::Synchronize(std::function<void()> work) {
    auto item = std::make_shared<Item>();
    item->work = std::move(work);
    WakeUp wake_up;
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(item);
        wake_up = wake_up_;
    }
    changed_.notify_all();
    if (wake_up)
        wake_up();
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return item->done; });
    if (item->failure)
        std::rethrow_exception(item->failure);
}

bool MainThreadQueue::CheckSynchronize() {
    std::deque<std::shared_ptr<Item>> batch;
    {
        std::lock_guard lock(mutex_);
        batch.swap(queue_);
    }
    for (const auto& item : batch) {
        try {
            item->work();
        } catch (...) {
            item->failure = std::current_exception();
        }
        {
            std::lock_guard lock(mutex_);
            item->done = true;
        }
        changed_.notify_all();
    }
    return !batch.empty();
}

bool MainThreadQueue::WaitAndRun(std::chrono::steady_clock::time_point deadline) {
    {
        std::unique_lock lock(mutex_);
        changed_.wait_until(lock, deadline, [&] { return !queue_.empty(); });
    }
    return CheckSynchronize();
}

void MainThreadQueue::RunUntil(const std::function<bool()>& done) {
    for (;;) {
        CheckSynchronize();
        std::unique_lock lock(mutex_);
        if (done())
            return;
        changed_.wait(lock, [&] { return !queue_.empty() || done(); });
        if (queue_.empty() && done())
            return;
    }
}

void MainThreadQueue::Notify() {
    { std::lock_guard lock(mutex_); }
    changed_.notify_all();
}

MainThreadQueue& MainThread() {
    static MainThreadQueue queue;
    return queue;
}

}  // namespace vindel
