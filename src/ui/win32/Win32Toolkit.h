// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "ui/Toolkit.h"
#include "ui/win32/Shell.h"

namespace vindel::win32 {

// The toolkit on the Win32 API: the forms and controls of win32/ behind the
// interfaces of ui/, the Shell's message loop, boxes and wake-up, the
// script's pauses and the busy cursor.
class Win32Toolkit final : public Toolkit {
  public:
    // `startupShowCommand`: how the program was asked to show its main
    // window (wWinMain's show command), used for its first Show.
    explicit Win32Toolkit(int startupShowCommand = SW_SHOWDEFAULT);
    ~Win32Toolkit() override;

    std::u16string ProgramPath() const override;
    std::unique_ptr<vindel::Form> MakeForm(const FormDescription& description,
                                           vindel::Form* owner) override;
    void RunLoop() override;
    void Terminate() override;
    void ShowError(const std::u16string& caption, const std::u16string& text) override;
    void ShowNotice(const std::u16string& caption, const std::u16string& text) override;
    void SetWakeUpHandler(std::function<void()> handler) override;
    void WakeUp() override;
    void Pause(std::chrono::milliseconds pause) override;
    void Repaint() override;
    void ShowBusyCursor() override;
    void RestoreCursor() override;

    Shell& GetShell() noexcept { return shell_; }
    // While a pause lasts, the window system's close requests are refused.
    bool Pausing() const noexcept { return pausing_; }
    // The show command of the main window's first Show; SW_SHOW after that.
    int TakeStartupShowCommand() noexcept;

  private:
    // Holds the pausing rules while it lives; nests.
    class PauseScope;

    void RunWakeUp();
    // Dispatches the waiting paint messages and nothing else: input, close
    // requests and the wake-up stay queued.
    void PaintWaiting();

    Shell shell_;
    int startup_show_command_;
    bool startup_shown_ = false;
    std::function<void()> wake_up_handler_;
    bool pausing_ = false;
    bool wake_up_waiting_ = false;
};

}  // namespace vindel::win32
