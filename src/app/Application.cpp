#include "app/Application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QSpacerItem>
#include <algorithm>
#include <thread>
#include <utility>

#include "app/HandlerGuard.h"
#include "app/QtText.h"
#include "app/Title.h"
#include "common/Exception.h"
#include "common/MainThreadQueue.h"
#include "resources/Pictures.h"

namespace vindel {

TApplication* Application = nullptr;

namespace {

using std::chrono::milliseconds;

QString ToQString(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

// Room in a title bar beside the caption: the window's icon and three
// buttons, with their margins.
constexpr int kTitleBarControlsWidth = 160;

// The longest a pause sleeps without repainting.
constexpr milliseconds kRepaintInterval(15);

// Paint and window-system work only: input stays queued for the next
// message loop.
constexpr QEventLoop::ProcessEventsFlags kRepaintWork =
    QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers;

// A box as both kinds are shown: the text exactly as given, never read as
// markup; a plain "OK", without the picture some desktop themes put on it;
// and wide enough for the window manager to show the whole caption beside
// its title-bar buttons, however short the text.
void PrepareBox(QMessageBox& box) {
    box.setTextFormat(Qt::PlainText);
    if (QAbstractButton* ok = box.button(QMessageBox::Ok))
        ok->setIcon(QIcon());
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const int captionRoom =
        QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kTitleBarControlsWidth;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(captionRoom, 0, QSizePolicy::Fixed, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
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
    MainThread().SetWakeUp([this] { PostDeliveries(); });
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
    PrepareBox(box);
    RunModalBox(box);
}

void TApplication::ShowNotice(const std::u16string& text) {
    QMessageBox box(QMessageBox::NoIcon, ToQString(Title), ToQString(text), QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    PrepareBox(box);
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

class TApplication::Pausing final {
  public:
    explicit Pausing(TApplication& application)
        : application_(application), outermost_(!std::exchange(application.pausing_, true)) {
        if (outermost_)
            application_.qt_.installEventFilter(&application_);
    }
    ~Pausing() {
        if (!outermost_)
            return;
        application_.qt_.removeEventFilter(&application_);
        application_.pausing_ = false;
        if (std::exchange(application_.deliveriesWaiting_, false))
            application_.PostDeliveries();
    }
    Pausing(const Pausing&) = delete;
    Pausing& operator=(const Pausing&) = delete;

  private:
    TApplication& application_;
    const bool outermost_;
};

void TApplication::Pause(milliseconds pause) {
    // The pause is measured from its start, so that repainting doesn't
    // lengthen it.
    using Clock = std::chrono::steady_clock;
    const Pausing pausing(*this);
    const Clock::time_point end = Clock::now() + pause;
    do {
        QCoreApplication::processEvents(kRepaintWork);
        std::this_thread::sleep_for(
            std::min<Clock::duration>(end - Clock::now(), kRepaintInterval));
    } while (Clock::now() < end);
}

void TApplication::Repaint() {
    const Pausing pausing(*this);
    QCoreApplication::processEvents(kRepaintWork);
}

bool TApplication::eventFilter(QObject* watched, QEvent* event) {
    // Installed only while pausing. A click on a window's close box is
    // input, which the program doesn't take meanwhile.
    if (event->type() == QEvent::Close && event->spontaneous()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void TApplication::PostDeliveries() {
    QMetaObject::invokeMethod(
        this, [this] { RunDeliveries(); }, Qt::QueuedConnection);
}

void TApplication::RunDeliveries() {
    // What the switch sends waits while the script pauses; the pause posts
    // this again when it ends.
    if (pausing_) {
        deliveriesWaiting_ = true;
        return;
    }
    MainThread().CheckSynchronize();
}

void PauseRepainting(milliseconds pause) {
    if (Application != nullptr) {
        Application->Pause(pause);
    } else {
        std::this_thread::sleep_for(pause);
    }
}

}  // namespace vindel
