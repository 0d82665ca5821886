#pragma once

#include <exception>
#include <utility>

class QObject;

namespace vindel {

// Routes a failure that escaped a handler to the application's error box.
void ReportHandlerFailure(QObject* sender, std::exception_ptr failure) noexcept;

// Runs a handler so that no failure unwinds into Qt: what escapes it ends the
// handler and goes to the error box, and the program goes on.
template <typename Handler>
void RunGuarded(QObject* sender, Handler&& handler) noexcept {
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        ReportHandlerFailure(sender, std::current_exception());
    }
}

// A slot for connect() that runs the handler guarded.
template <typename Handler>
auto Guarded(QObject* sender, Handler handler) {
    return
        [sender, handler = std::move(handler)]() mutable noexcept { RunGuarded(sender, handler); };
}

}  // namespace vindel
