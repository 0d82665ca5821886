// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "ui/Form.h"
#include "ui/TForm.h"

namespace vindel {

class Exception;
class Toolkit;

// The application object: the title, the windows it owns, the message loop,
// and the error and notice boxes, on the toolkit under it.
class TApplication final {
  public:
    // Forms the title from the running program file. Sets Application, and
    // has the receiving threads' hand-overs run by the toolkit's wake-up.
    explicit TApplication(Toolkit& toolkit);
    // Destroys the windows, the most recently created first.
    ~TApplication();

    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    std::u16string Title;
    TForm* MainForm = nullptr;
    bool MainFormOnTaskBar = false;
    bool ShowMainForm = true;
    bool Terminated = false;

    // Start-up work of the user-interface thread; nothing of Vindel's own.
    void Initialize() {}

    // Makes a window of class FormClass, owned by the application, and
    // stores it in the global. The first window becomes the main window,
    // whose closing ends the program; later ones are owned by it, stay
    // hidden until shown, and are only hidden when closed.
    template <typename FormClass>
    void CreateForm(FormClass*& global);

    // Shows the main window and runs the message loop until Terminate.
    void Run();
    // Asks the message loop to end after the current message.
    void Terminate();

    // Where a failure that escaped a handler goes: EAbort is dropped, every
    // other failure is shown in the error box.
    void HandleException(std::exception_ptr failure);
    // The error box: caption Title, the failure's text with a final period
    // where the text is not empty and its last character's code is above
    // that of "." (so after a letter or digit, but not after ")", "!", "."
    // or a space), the error icon and one "OK".
    void ShowException(const Exception& failure);
    // The notice box: caption Title, the text, no icon, one default "OK".
    void ShowNotice(const std::u16string& text);

    // The pauses of the provisioning script and the repainting between its
    // boxes (Toolkit::Pause, Toolkit::Repaint).
    void Pause(std::chrono::milliseconds pause);
    void Repaint();

    // The toolkit under the windows.
    Toolkit& WindowToolkit() const { return toolkit_; }

  private:
    void BecomeMainForm(TForm& form);

    Toolkit& toolkit_;
    std::vector<std::unique_ptr<TForm>> forms_;
};

// The one application object, while it exists.
extern TApplication* Application;

// The text the error box shows for a failure's message.
std::u16string ErrorBoxText(const std::u16string& message);

// A pause of the provisioning script: Application->Pause, or a plain sleep
// while there is no application object.
void PauseRepainting(std::chrono::milliseconds pause);

template <typename FormClass>
void TApplication::CreateForm(FormClass*& global) {
    global = nullptr;
    auto form = std::make_unique<FormClass>(toolkit_, MainForm);
    global = form.get();
    if (MainForm == nullptr)
        BecomeMainForm(*form);
    forms_.push_back(std::move(form));
}

}  // namespace vindel
