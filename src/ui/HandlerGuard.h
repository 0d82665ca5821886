// SPDX-License-Identifier: MIT
#pragma once

#include <exception>
#include <utility>

namespace vindel {

// Routes a failure that escaped a handler to the application's error box
// (TApplication::HandleException); with no application object, drops it.
void ReportHandlerFailure(std::exception_ptr failure) noexcept;

// Runs a handler so that no failure unwinds into the toolkit: what escapes
// it ends the handler and goes to the error box, and the program goes on.
template <typename Handler>
void RunGuarded(Handler&& handler) noexcept {
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        ReportHandlerFailure(std::current_exception());
    }
}

}  // namespace vindel
