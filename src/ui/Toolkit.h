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
//
// The rules that every toolkit follows are written here once: what a pause
// refuses and holds back, when a form's activation handler runs, and when a
// close request closes a form. A toolkit gives the primitives under them
// (paint what is pending, wait, post a wake-up, end the loop) and reports
// what its windows went through (FormActivated, FormHidden, CloseRequested,
// WakeUpArrived).
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
    // Ends the loop after the current message. No activation handler runs
    // after it.
    void Terminate();
    bool Terminated() const noexcept { return terminated_; }

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
    void SetWakeUpHandler(std::function<void()> handler) { wake_up_handler_ = std::move(handler); }
    // From any thread.
    void WakeUp() { PostWakeUp(); }

    // Blocks this thread for the pause while the windows go on repainting
    // (PauseScope's rules).
    void Pause(std::chrono::milliseconds pause);
    // Repaints what needs it now, under the same rules.
    void Repaint();

    // While one lives (they nest), the program takes no input: input waits
    // for the next message loop, the window system's close requests are
    // refused (the program's own Close is not), and the wake-up waits until
    // the outermost one ends.
    class PauseScope final {
      public:
        explicit PauseScope(Toolkit& toolkit) noexcept;
        ~PauseScope();
        PauseScope(const PauseScope&) = delete;
        PauseScope& operator=(const PauseScope&) = delete;

      private:
        Toolkit& toolkit_;
        const bool outermost_;
    };
    bool Pausing() const noexcept { return pausing_; }

    // The platform's busy cursor over all of the program's windows, from
    // Show to Restore.
    virtual void ShowBusyCursor() = 0;
    virtual void RestoreCursor() = 0;

    // What the toolkit's windows report; the rules decide what follows.
    //
    // The form became the program's active window. Its activation handler
    // runs unless the form was the program's active form already (so not
    // when a box over it closes, nor when the operator comes back to it from
    // another program), a form is being destroyed, or the loop has been
    // told to end.
    void FormActivated(Form& form);
    // The form was hidden by the program, or is going: the next form to
    // become active comes from none.
    void FormHidden(const Form& form) noexcept;
    Form* ActiveForm() const noexcept { return active_form_; }
    // While one lives, a form is being destroyed: another form that becomes
    // active meanwhile is no activation of the operator's.
    class DestroyingScope final {
      public:
        DestroyingScope(Toolkit& toolkit, const Form& form) noexcept;
        ~DestroyingScope();
        DestroyingScope(const DestroyingScope&) = delete;
        DestroyingScope& operator=(const DestroyingScope&) = delete;

      private:
        Toolkit& toolkit_;
    };

    // Who asks a form to close.
    enum class CloseRequest { Program, WindowSystem };
    // Whether the form closes (is hidden) on the request: not for the
    // window system's while pausing, nor when its close handler keeps it.
    bool CloseRequested(Form& form, CloseRequest request);

    // The wake-up posted by PostWakeUp reached the user-interface thread:
    // runs the wake-up handler, guarded, or holds it until the pause ends.
    void WakeUpArrived();

  protected:
    Toolkit() = default;

    // The primitives under the rules.
    //
    // Has the loop end after the current message.
    virtual void EndLoop() = 0;
    // From any thread: has WakeUpArrived run on the user-interface thread
    // when it next processes messages.
    virtual void PostWakeUp() = 0;
    // Paints what is waiting to be painted, and takes nothing else: input,
    // posted close requests and wake-ups stay queued.
    virtual void PaintPending() = 0;
    // Waits at most that long, or until something needs painting.
    virtual void WaitForPainting(std::chrono::milliseconds most) = 0;

  private:
    std::function<void()> wake_up_handler_;
    Form* active_form_ = nullptr;
    int destroying_ = 0;
    bool pausing_ = false;
    bool wake_up_held_ = false;
    bool terminated_ = false;
};

}  // namespace vindel
