// SPDX-License-Identifier: MIT
#include "ui/win32/Win32Toolkit.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "ui/HandlerGuard.h"
#include "ui/win32/FormAdapter.h"
#include "ui/win32/LastError.h"

namespace vindel::win32 {
namespace {

using std::chrono::milliseconds;

// The longest a pause sleeps without repainting.
constexpr milliseconds kRepaintInterval(15);

}  // namespace

Win32Toolkit::Win32Toolkit(int startupShowCommand) : startup_show_command_(startupShowCommand) {
    shell_.SetFailureHandler([](std::exception_ptr failure) { ReportHandlerFailure(failure); });
    shell_.SetWakeUpHandler([this] { RunWakeUp(); });
}

Win32Toolkit::~Win32Toolkit() = default;

std::u16string Win32Toolkit::ProgramPath() const {
    // The path may be longer than MAX_PATH; the buffer grows until it fits.
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            ThrowLastError(u"GetModuleFileNameW");
        if (length < path.size())
            return {path.begin(), path.begin() + length};
        path.resize(path.size() * 2);
    }
}

std::unique_ptr<vindel::Form> Win32Toolkit::MakeForm(const FormDescription& description,
                                                     vindel::Form* owner) {
    return std::make_unique<FormAdapter>(*this, description, dynamic_cast<FormAdapter*>(owner));
}

void Win32Toolkit::RunLoop() {
    shell_.RunLoop();
}

void Win32Toolkit::Terminate() {
    shell_.Terminate();
}

void Win32Toolkit::ShowError(const std::u16string& caption, const std::u16string& text) {
    shell_.SetTitle(caption);
    shell_.ShowError(text);
}

void Win32Toolkit::ShowNotice(const std::u16string& caption, const std::u16string& text) {
    shell_.SetTitle(caption);
    shell_.ShowNotice(text);
}

void Win32Toolkit::SetWakeUpHandler(std::function<void()> handler) {
    wake_up_handler_ = std::move(handler);
}

void Win32Toolkit::WakeUp() {
    shell_.WakeUp();
}

void Win32Toolkit::RunWakeUp() {
    // What the switch sends waits while the script pauses; the pause wakes
    // this again when it ends.
    if (pausing_) {
        wake_up_waiting_ = true;
        return;
    }
    if (wake_up_handler_)
        RunGuarded(wake_up_handler_);
}

int Win32Toolkit::TakeStartupShowCommand() noexcept {
    if (std::exchange(startup_shown_, true))
        return SW_SHOW;
    return startup_show_command_;
}

class Win32Toolkit::PauseScope final {
  public:
    explicit PauseScope(Win32Toolkit& toolkit)
        : toolkit_(toolkit), outermost_(!std::exchange(toolkit.pausing_, true)) {}
    ~PauseScope() {
        if (!outermost_)
            return;
        toolkit_.pausing_ = false;
        if (std::exchange(toolkit_.wake_up_waiting_, false))
            toolkit_.WakeUp();
    }
    PauseScope(const PauseScope&) = delete;
    PauseScope& operator=(const PauseScope&) = delete;

  private:
    Win32Toolkit& toolkit_;
    const bool outermost_;
};

void Win32Toolkit::PaintWaiting() {
    // Messages sent to the windows (not posted) are handled inside
    // PeekMessageW whatever the filter; the forms refuse close requests
    // while pausing.
    MSG message;
    while (::PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        ::DispatchMessageW(&message);
}

void Win32Toolkit::Pause(milliseconds pause) {
    // The pause is measured from its start, so that repainting doesn't
    // lengthen it.
    using Clock = std::chrono::steady_clock;
    const PauseScope pausing(*this);
    const Clock::time_point end = Clock::now() + pause;
    for (;;) {
        PaintWaiting();
        const Clock::time_point now = Clock::now();
        if (now >= end)
            break;
        const auto wait =
            std::chrono::ceil<milliseconds>(std::min<Clock::duration>(end - now, kRepaintInterval));
        // Wakes early when something needs painting.
        ::MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(wait.count()), QS_PAINT, 0);
    }
}

void Win32Toolkit::Repaint() {
    const PauseScope pausing(*this);
    PaintWaiting();
}

void Win32Toolkit::ShowBusyCursor() {
    shell_.SetBusy(true);
}

void Win32Toolkit::RestoreCursor() {
    shell_.SetBusy(false);
}

}  // namespace vindel::win32
