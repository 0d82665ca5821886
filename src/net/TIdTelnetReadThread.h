// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

namespace vindel {

// The receiving thread of one connection. It runs `pass` over and over until
// a stop is requested, `pass` returns false, or `pass` throws; a failure ends
// it quietly. When it has ended it wakes the main thread's queue, whose
// RunUntil may be waiting for it.
class TIdTelnetReadThread final {
  public:
    // Starts the thread at once. Raises std::system_error when it can't be made.
    explicit TIdTelnetReadThread(std::function<bool()> pass);
    // Requests the stop and waits for the end.
    ~TIdTelnetReadThread();
    TIdTelnetReadThread(const TIdTelnetReadThread&) = delete;
    TIdTelnetReadThread& operator=(const TIdTelnetReadThread&) = delete;

    void Terminate();
    bool Terminated() const;
    bool Finished() const noexcept { return finished_.load(); }

  private:
    void Execute() noexcept;

    std::function<bool()> pass_;
    mutable std::mutex mutex_;  // the stop request is made under the thread's own lock
    bool terminated_ = false;
    std::atomic<bool> finished_ = false;
    std::thread thread_;  // last, so that it starts once everything above exists
};

}  // namespace vindel
