// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/win32/Dpi.h"
#include "ui/win32/NoticeBox.h"
#include "ui/win32/UniqueWindow.h"
#include "ui/win32/WindowClass.h"

namespace vindel::win32 {

class Form;

// The toolkit part of the application object, one per program, on the
// user-interface thread: the window classes, a hidden window of its own,
// the message loop, the error and notice boxes, the route of failures that
// escape a handler, and which window of the program is active.
//
// The hidden window owns a box when no window of the program is active, and
// receives the wake-up that another thread posts (WakeUp): its handler runs
// on this thread whenever this thread dispatches messages, in RunLoop and in
// the modal loop of an open box alike.
class Shell final {
  public:
    Shell();
    // Every form must be gone by now.
    ~Shell();
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    HINSTANCE Instance() const noexcept { return instance_; }
    HWND Window() const noexcept { return window_.get(); }

    // The density forms take when they are made; the screen's at first.
    Dpi ScreenDpi() const noexcept { return dpi_; }
    void SetScreenDpi(Dpi dpi) noexcept { dpi_ = dpi; }

    // The caption of the error and notice boxes.
    const std::u16string& Title() const noexcept { return title_; }
    void SetTitle(std::u16string title) { title_ = std::move(title); }

    // Where a failure that escaped a handler goes. Until one is set, the
    // error box shows the failure's message.
    using FailureHandler = std::function<void(std::exception_ptr)>;
    void SetFailureHandler(FailureHandler handler) { failure_handler_ = std::move(handler); }
    // Runs a handler so that nothing it throws unwinds into the system's
    // window code: the failure goes to the failure handler instead.
    template <typename Handler>
    void RunGuarded(Handler&& handler) noexcept {
        try {
            std::forward<Handler>(handler)();
        } catch (...) {
            ReportFailure(std::current_exception());
        }
    }
    void ReportFailure(std::exception_ptr failure) noexcept;

    // The wake-up: WakeUp, from any thread, has the handler run on this one.
    void SetWakeUpHandler(std::function<void()> handler) { wake_up_handler_ = std::move(handler); }
    void WakeUp() noexcept;

    // Takes and dispatches messages until Terminate.
    void RunLoop();
    // Dispatches what is waiting, then returns; false once terminated.
    bool ProcessMessages();
    // Ends the loop after the current message.
    void Terminate();
    bool Terminated() const noexcept { return terminated_; }

    // The error box: caption Title, the text, the stop icon, one "OK".
    void ShowError(const std::u16string& text);
    // The notice box: caption Title, the text, no icon, one default "OK".
    void ShowNotice(const std::u16string& text, NoticeStyle style = NoticeStyle::Automatic);

    // The show state the program was started with (maximized, minimized...),
    // for the main window's first Show.
    static int StartupShowCommand();

    // The busy cursor over the program's windows, from SetBusy(true) to the
    // matching SetBusy(false); nests.
    void SetBusy(bool busy);
    bool Busy() const noexcept { return busy_depth_ > 0; }

    // For the forms and their controls.
    const wchar_t* FormClassName() const noexcept { return form_class_.Name(); }
    void AddForm(Form& form);
    void RemoveForm(Form& form) noexcept;
    const std::vector<Form*>& Forms() const noexcept { return forms_; }
    // A form became the active window of this thread. Its activation handler
    // runs unless it was the program's active form already: so not when a
    // box over it closes, nor when the operator comes back to it from
    // another program.
    // Nor while a form is being destroyed, or once the loop has ended.
    void FormActivated(Form& form);
    void SetDestroyingForm(bool destroying) noexcept { destroying_form_ = destroying; }
    // A form was hidden by the program: the next window to become active
    // comes from none.
    void FormHidden(Form& form) noexcept;
    Form* ActiveForm() const noexcept { return active_form_; }
    // Who owns a box: the active window of the program, or the hidden window
    // when none is active.
    HWND BoxOwner() const;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Dispatch(MSG& message);

    HINSTANCE instance_;
    Dpi dpi_;
    WindowClass form_class_;
    WindowClass application_class_;
    UniqueWindow window_;
    std::u16string title_;
    FailureHandler failure_handler_;
    std::function<void()> wake_up_handler_;
    std::vector<Form*> forms_;
    Form* active_form_ = nullptr;
    int busy_depth_ = 0;
    bool terminated_ = false;
    bool destroying_form_ = false;
};

}  // namespace vindel::win32
