// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace vindel {

class Form;
struct FormDescription;

// What the windows' code needs of the toolkit under it, one per program, on
// the user-interface thread: it makes the windows and their controls from
// their descriptions, and gives the message loop, the error and notice
// boxes, the wake-up from other threads, the script's pauses and the busy
// cursor. Every handler it calls (activation, change, click, wake-up) runs
// guarded: what escapes goes to ReportHandlerFailure (HandlerGuard.h).
class Toolkit {
  public:
    virtual ~Toolkit() = default;
    Toolkit(const Toolkit&) = delete;
    Toolkit& operator=(const Toolkit&) = delete;

    // The full path of the running program file.
    virtual std::u16string ProgramPath() const = 0;

    // A window built from its description, hidden, with every control
    // visible. With an owner it is an owned window (see Form).
    virtual std::unique_ptr<Form> MakeForm(const FormDescription& description, Form* owner) = 0;

    // Takes and dispatches messages until Terminate.
    virtual void RunLoop() = 0;
    // Ends the loop after the current message.
    virtual void Terminate() = 0;

    // The modal error box: the caption, the text as it is (never read as
    // markup), the error (stop) icon and one "OK". Owned by the program's
    // active window, or by none; when it closes, the window that was active
    // before is active again, which is no new activation.
    virtual void ShowError(const std::u16string& caption, const std::u16string& text) = 0;
    // The modal notice box: as the error box, but no icon, and its "OK" the
    // default button.
    virtual void ShowNotice(const std::u16string& caption, const std::u16string& text) = 0;

    // The handler runs on the user-interface thread whenever that thread
    // next processes messages after a WakeUp: in the loop, in the loop of an
    // open box, or once a pause is over; never in the middle of a handler.
    virtual void SetWakeUpHandler(std::function<void()> handler) = 0;
    // From any thread.
    virtual void WakeUp() = 0;

    // Blocks this thread for the pause while the windows go on repainting.
    // Meanwhile input waits for the next message loop, close requests from
    // the window system are refused, and the wake-up waits until the pause
    // is over.
    virtual void Pause(std::chrono::milliseconds pause) = 0;
    // Repaints what needs it now, under the same rules.
    virtual void Repaint() = 0;

    // The platform's busy cursor over all of the program's windows, from
    // Show to Restore.
    virtual void ShowBusyCursor() = 0;
    virtual void RestoreCursor() = 0;

  protected:
    Toolkit() = default;
};

}  // namespace vindel
