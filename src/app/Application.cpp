#include "app/Application.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>

#include "app/HandlerGuard.h"
#include "app/QtText.h"
#include "app/Title.h"
#include "common/Exception.h"
#include "common/MainThreadQueue.h"
#include "resources/Pictures.h"

namespace vindel {

TApplication* Application = nullptr;

namespace {

QString ToQString(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

// Boxes belong to the program's active window, or to none. Once a box is
// closed, the window that was active before is active again; some window
// systems (and the offscreen platform) leave that to the program.
void RunModalBox(QMessageBox& box) {
    QPointer<QWidget> owner = QApplication::activeWindow();
    box.setParent(owner, box.windowFlags());
    box.exec();
    if (owner != nullptr && owner->isVisible()) {
        owner->activateWindow();
    }
}

}  // namespace

std::u16string ErrorBoxText(const std::u16string& message) {
    if (!message.empty() && message.back() > u'.') {
        return message + u".";
    }
    return message;
}

void ReportHandlerFailure(QObject* sender, std::exception_ptr failure) noexcept {
    if (Application == nullptr)
        return;
    try {
        Application->HandleException(sender, failure);
    } catch (...) {
        // Showing the box itself failed; there is nowhere left to report it.
    }
}

TApplication::TApplication(QApplication& qt)
    : Title(TitleFromProgramPath(QApplication::applicationFilePath().toStdU16String())), qt_(qt) {
    Application = this;
    // The program icon, for every window and the task bar.
    InitPictures();
    QApplication::setWindowIcon(QIcon(IconPicturePath));
    // Closing the main window ends the program, whatever else is open.
    QApplication::setQuitOnLastWindowClosed(false);
    // Deliveries from the receiving thread run when this thread next
    // processes its events: in the loop, or in the loop of an open box.
    MainThread().SetWakeUp([this] {
        QMetaObject::invokeMethod(
            this, [] { MainThread().CheckSynchronize(); }, Qt::QueuedConnection);
    });
}

TApplication::~TApplication() {
    while (!forms_.empty()) {
        forms_.pop_back();
    }
    MainForm = nullptr;
    MainThread().SetWakeUp(nullptr);
    Application = nullptr;
}

void TApplication::Run() {
    if (MainForm != nullptr && ShowMainForm) {
        MainForm->show();
        MainForm->activateWindow();
    }
    if (Terminated)
        return;
    qt_.exec();
}

void TApplication::Terminate() {
    Terminated = true;
    // exit(), not quit(): quit() would ask the windows to close first, and the
    // main window answers a close by ending the program.
    QMetaObject::invokeMethod(
        &qt_, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

void TApplication::HandleException(QObject* /*sender*/, std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const EAbort&) {
        // Dropped without a word.
    } catch (const Exception& e) {
        ShowException(e);
    } catch (...) {
        ShowException(Exception(u""));
    }
}

void TApplication::ShowException(const Exception& failure) {
    QMessageBox box(QMessageBox::Critical, ToQString(Title),
                    ToQString(ErrorBoxText(failure.Message())), QMessageBox::Ok);
    RunModalBox(box);
}

void TApplication::ShowNotice(const std::u16string& text) {
    QMessageBox box(QMessageBox::NoIcon, ToQString(Title), ToQString(text), QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    RunModalBox(box);
}

void TApplication::FormActivated(TForm* form) {
    if (form == activeForm_)
        return;
    activeForm_ = form;
    RunGuarded(form, [form] { form->FormActivate(); });
}

void TApplication::FormHidden(TForm* form) {
    if (form == activeForm_)
        activeForm_ = nullptr;
}

}  // namespace vindel
