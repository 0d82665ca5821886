#pragma once

#include <QObject>
#include <chrono>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "app/Form.h"

class QApplication;

namespace vindel {

class Exception;

// The application object: the title, the windows it owns, the message loop,
// and the error and notice boxes.
class TApplication final : public QObject {
    Q_OBJECT

  public:
    // Forms the title from the running program file. Sets Application.
    explicit TApplication(QApplication& qt);
    // Destroys the windows, the most recently created first.
    ~TApplication() override;

    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    std::u16string Title;
    TForm* MainForm = nullptr;
    bool MainFormOnTaskBar = false;
    bool ShowMainForm = true;
    bool Terminated = false;

    // Start-up work of the user-interface thread; nothing of Vindel's own.
    void Initialize() {}

    // Makes a window of class Form, owned by the application, and stores it in
    // the global. The first window becomes the main window; later ones are
    // owned by it and stay hidden until shown.
    template <typename Form>
    void CreateForm(Form*& global);

    // Shows the main window and runs the message loop until Terminate.
    void Run();
    // Asks the message loop to end after the current message.
    void Terminate();

    // Where a failure that escaped a handler goes: EAbort is dropped, every
    // other failure is shown in the error box.
    void HandleException(QObject* sender, std::exception_ptr failure);
    // The error box: caption Title, the failure's text with a final period
    // where it ends in a letter or digit, the error icon and one "OK".
    void ShowException(const Exception& failure);
    // The notice box: caption Title, the text, no icon, one default "OK".
    void ShowNotice(const std::u16string& text);

    // Called by the forms; they decide when a form's activation handler runs.
    void FormActivated(TForm* form);
    void FormHidden(TForm* form);

    // Blocks this thread for the pause, as the provisioning script's pauses
    // do, while the windows go on repainting. Meanwhile input waits for the
    // next message loop, the window system's close requests are refused,
    // and deliveries from the receiving thread wait until the pause is over.
    void Pause(std::chrono::milliseconds pause);
    // Repaints what needs it now, under the same rules.
    void Repaint();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Holds the pausing rules while it lives; nests.
    class Pausing;

    // Asks this thread to run the deliveries queued by the receiving thread.
    void PostDeliveries();
    void RunDeliveries();

    QApplication& qt_;
    std::vector<std::unique_ptr<TForm>> forms_;
    TForm* activeForm_ = nullptr;
    bool pausing_ = false;
    bool deliveriesWaiting_ = false;
};

// The one application object, while it exists.
extern TApplication* Application;

// The text the error box shows for a failure's message.
std::u16string ErrorBoxText(const std::u16string& message);

// A pause of the provisioning script: Application->Pause, or a plain sleep
// while there is no application object.
void PauseRepainting(std::chrono::milliseconds pause);

template <typename Form>
void TApplication::CreateForm(Form*& global) {
    global = nullptr;
    auto form = std::make_unique<Form>(MainForm);
    global = form.get();
    if (MainForm == nullptr) {
        MainForm = form.get();
    }
    forms_.push_back(std::move(form));
}

}  // namespace vindel
