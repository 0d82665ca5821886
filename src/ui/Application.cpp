// SPDX-License-Identifier: MIT
#include "ui/Application.h"

#include <thread>
#include <utility>

#include "common/Exception.h"
#include "common/MainThreadQueue.h"
#include "ui/HandlerGuard.h"
#include "ui/Title.h"
#include "ui/Toolkit.h"

namespace vindel {

TApplication* Application = nullptr;

std::u16string ErrorBoxText(const std::u16string& message) {
    if (!message.empty() && message.back() > u'.') {
        return message + u".";
    }
    return message;
}

void ReportHandlerFailure(std::exception_ptr failure) noexcept {
    if (Application == nullptr)
        return;
    try {
        Application->HandleException(std::move(failure));
    } catch (...) {
        // Showing the box itself failed; there is nowhere left to report it.
    }
}

TApplication::TApplication(Toolkit& toolkit)
    : Title(TitleFromProgramPath(toolkit.ProgramPath())), toolkit_(toolkit) {
    Application = this;
    // Deliveries from the receiving thread run when this thread next
    // processes its messages: in the loop, or in the loop of an open box.
    toolkit_.SetWakeUpHandler([] { MainThread().CheckSynchronize(); });
    MainThread().SetWakeUp([&toolkit] { toolkit.WakeUp(); });
}

TApplication::~TApplication() {
    while (!forms_.empty()) {
        forms_.pop_back();
    }
    MainForm = nullptr;
    MainThread().SetWakeUp(nullptr);
    toolkit_.SetWakeUpHandler(nullptr);
    Application = nullptr;
}

void TApplication::BecomeMainForm(TForm& form) {
    MainForm = &form;
    // The main window stays as it is until the program ends.
    form.Window().SetOnClose([this] {
        Terminate();
        return false;
    });
}

void TApplication::Run() {
    if (MainForm != nullptr && ShowMainForm) {
        MainForm->Show();
    }
    if (Terminated)
        return;
    toolkit_.RunLoop();
}

void TApplication::Terminate() {
    Terminated = true;
    toolkit_.Terminate();
}

void TApplication::HandleException(std::exception_ptr failure) {
    try {
        std::rethrow_exception(std::move(failure));
    } catch (const EAbort&) {
        // Dropped without a word.
    } catch (const Exception& e) {
        ShowException(e);
    } catch (...) {
        ShowException(Exception(u""));
    }
}

void TApplication::ShowException(const Exception& failure) {
    toolkit_.ShowError(Title, ErrorBoxText(failure.Message()));
}

void TApplication::ShowNotice(const std::u16string& text) {
    toolkit_.ShowNotice(Title, text);
}

void TApplication::Pause(std::chrono::milliseconds pause) {
    toolkit_.Pause(pause);
}

void TApplication::Repaint() {
    toolkit_.Repaint();
}

void PauseRepainting(std::chrono::milliseconds pause) {
    if (Application != nullptr) {
        Application->Pause(pause);
    } else {
        std::this_thread::sleep_for(pause);
    }
}

}  // namespace vindel
