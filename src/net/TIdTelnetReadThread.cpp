// SPDX-License-Identifier: MIT
#include "net/TIdTelnetReadThread.h"

#include "common/MainThreadQueue.h"

namespace vindel {

TIdTelnetReadThread::TIdTelnetReadThread(std::function<bool()> pass)
    : pass_(std::move(pass)), thread_([this] { Execute(); }) {}

TIdTelnetReadThread::~TIdTelnetReadThread() {
    Terminate();
    if (thread_.joinable())
        thread_.join();
}

void TIdTelnetReadThread::Terminate() {
    const std::lock_guard lock(mutex_);
    terminated_ = true;
}

bool TIdTelnetReadThread::Terminated() const {
    const std::lock_guard lock(mutex_);
    return terminated_;
}

void TIdTelnetReadThread::Execute() noexcept {
    try {
        while (!Terminated() && pass_()) {
        }
    } catch (...) {
        // A failed read or a failure passed back from a delivery: nobody is
        // told, the thread just ends.
    }
    finished_ = true;
    MainThread().Notify();
}

}  // namespace vindel
