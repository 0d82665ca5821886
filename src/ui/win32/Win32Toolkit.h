// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "ui/Toolkit.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/NoticeBox.h"
#include "ui/win32/UniqueWindow.h"
#include "ui/win32/WindowClass.h"

namespace vindel::win32 {

class Form;

// The toolkit on the Win32 API, one per program, on the user-interface
// thread: the forms and controls of win32/, the window classes, a hidden
// window of its own, the message loop, the error and notice boxes and the
// busy cursor, under the rules of Toolkit.
//
// The hidden window owns a box when no window of the program is active, and
// receives the wake-up that another thread posts: it is handled whenever
// this thread dispatches messages, in RunLoop and in the modal loop of an
// open box alike.
class Win32Toolkit final : public Toolkit {
  public:
    // `startupShowCommand`: how the program was asked to show its main
    // window (wWinMain's show command), used for its first Show.
    explicit Win32Toolkit(int startupShowCommand = SW_SHOWDEFAULT);
    // Every form must be gone by now.
    ~Win32Toolkit() override;

    std::u16string ProgramPath() const override;
    std::unique_ptr<vindel::Form> MakeForm(const FormDescription& description,
                                           vindel::Form* owner) override;
    void RunLoop() override;
    void ShowError(const std::u16string& caption, const std::u16string& text) override;
    void ShowNotice(const std::u16string& caption, const std::u16string& text) override;
    // The notice box in the given style (NoticeBox.h).
    void ShowNotice(const std::u16string& caption, const std::u16string& text, NoticeStyle style);
    void ShowBusyCursor() override;
    void RestoreCursor() override;

    HINSTANCE Instance() const noexcept { return instance_; }
    // The hidden window.
    HWND Window() const noexcept { return window_.get(); }

    // The density forms take when they are made; the screen's at first.
    Dpi ScreenDpi() const noexcept { return dpi_; }
    void SetScreenDpi(Dpi dpi) noexcept { dpi_ = dpi; }

    // Dispatches what is waiting, then returns; false once the loop has been
    // told to end.
    bool ProcessMessages();

    bool Busy() const noexcept { return busy_depth_ > 0; }

    // For the forms.
    const wchar_t* FormClassName() const noexcept { return form_class_.Name(); }
    void AddForm(Form& form);
    void RemoveForm(Form& form) noexcept;
    const std::vector<Form*>& Forms() const noexcept { return forms_; }
    // Who owns a box: the active window of the program, or the hidden window
    // when none is active.
    HWND BoxOwner() const;
    // The show command of the main window's first Show; SW_SHOW after that.
    int TakeStartupShowCommand() noexcept;

  protected:
    void EndLoop() override;
    void PostWakeUp() override;
    // Dispatches the waiting paint messages and nothing else: input, posted
    // close requests and the wake-up stay queued.
    void PaintPending() override;
    void WaitForPainting(std::chrono::milliseconds most) override;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Dispatch(MSG& message);
    bool Ours(HWND window) const;
    void UpdateCursor() const;

    HINSTANCE instance_;
    Dpi dpi_;
    WindowClass form_class_;
    WindowClass application_class_;
    UniqueWindow window_;
    std::vector<Form*> forms_;
    int busy_depth_ = 0;
    int startup_show_command_;
    bool startup_shown_ = false;
};

}  // namespace vindel::win32
