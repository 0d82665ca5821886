// SPDX-License-Identifier: MIT
#include "ui/Toolkit.h"

#include <algorithm>
#include <utility>

#include "ui/Form.h"
#include "ui/HandlerGuard.h"

namespace vindel {
namespace {

using std::chrono::milliseconds;

// The longest a pause waits without repainting.
constexpr milliseconds kRepaintInterval(15);

}  // namespace

void Toolkit::Terminate() {
    terminated_ = true;
    EndLoop();
}

Toolkit::PauseScope::PauseScope(Toolkit& toolkit) noexcept
    : toolkit_(toolkit), outermost_(!std::exchange(toolkit.pausing_, true)) {}

Toolkit::PauseScope::~PauseScope() {
    if (!outermost_)
        return;
    toolkit_.pausing_ = false;
    // What the switch sent waited for the pause; it runs at the next
    // message loop.
    if (std::exchange(toolkit_.wake_up_held_, false))
        toolkit_.PostWakeUp();
}

void Toolkit::Pause(milliseconds pause) {
    // The pause is measured from its start, so that repainting doesn't
    // lengthen it.
    using Clock = std::chrono::steady_clock;
    const PauseScope pausing(*this);
    const Clock::time_point end = Clock::now() + pause;
    for (;;) {
        PaintPending();
        const Clock::time_point now = Clock::now();
        if (now >= end)
            break;
        WaitForPainting(std::chrono::ceil<milliseconds>(
            std::min<Clock::duration>(end - now, kRepaintInterval)));
    }
}

void Toolkit::Repaint() {
    const PauseScope pausing(*this);
    PaintPending();
}

void Toolkit::FormActivated(Form& form) {
    if (&form == active_form_)
        return;
    active_form_ = &form;
    if (destroying_ == 0 && !terminated_)
        form.RunActivation();
}

void Toolkit::FormHidden(const Form& form) noexcept {
    if (&form == active_form_)
        active_form_ = nullptr;
}

Toolkit::DestroyingScope::DestroyingScope(Toolkit& toolkit, const Form& form) noexcept
    : toolkit_(toolkit) {
    toolkit_.FormHidden(form);
    ++toolkit_.destroying_;
}

Toolkit::DestroyingScope::~DestroyingScope() {
    --toolkit_.destroying_;
}

bool Toolkit::CloseRequested(Form& form, CloseRequest request) {
    // A click on a window's close box is input, which the program doesn't
    // take while it pauses; its own Close goes through.
    if (request == CloseRequest::WindowSystem && pausing_)
        return false;
    return form.AllowsClose();
}

void Toolkit::WakeUpArrived() {
    if (pausing_) {
        wake_up_held_ = true;
        return;
    }
    if (wake_up_handler_)
        RunGuarded(wake_up_handler_);
}

}  // namespace vindel
