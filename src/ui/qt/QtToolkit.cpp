// SPDX-License-Identifier: MIT
#include "ui/qt/QtToolkit.h"

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

#include "resources/Pictures.h"
#include "ui/qt/Form.h"
#include "ui/qt/QtText.h"

namespace vindel::qt {
namespace {

using std::chrono::milliseconds;

// Room in a title bar beside the caption: the window's icon and three
// buttons, with their margins.
constexpr int kTitleBarControlsWidth = 160;

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

QtToolkit::QtToolkit(QApplication& qt) : qt_(qt) {
    // The program icon, for every window and the task bar.
    InitPictures();
    QApplication::setWindowIcon(QIcon(IconPicturePath));
    // Closing the main window ends the program, whatever else is open.
    QApplication::setQuitOnLastWindowClosed(false);
}

QtToolkit::~QtToolkit() = default;

std::u16string QtToolkit::ProgramPath() const {
    return QApplication::applicationFilePath().toStdU16String();
}

std::unique_ptr<vindel::Form> QtToolkit::MakeForm(const FormDescription& description,
                                                  vindel::Form* owner) {
    return std::make_unique<Form>(*this, description, dynamic_cast<Form*>(owner));
}

void QtToolkit::RunLoop() {
    qt_.exec();
}

void QtToolkit::EndLoop() {
    // exit(), not quit(): quit() would ask the windows to close first, and the
    // main window answers a close by ending the program. Queued on the
    // toolkit, not on the application object, which outlives it: a toolkit
    // gone before its loop ran leaves no exit behind for the next one.
    QMetaObject::invokeMethod(
        this, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

void QtToolkit::ShowError(const std::u16string& caption, const std::u16string& text) {
    QMessageBox box(QMessageBox::Critical, ToQString(caption), ToQString(text), QMessageBox::Ok);
    PrepareBox(box);
    RunModalBox(box);
}

void QtToolkit::ShowNotice(const std::u16string& caption, const std::u16string& text) {
    QMessageBox box(QMessageBox::NoIcon, ToQString(caption), ToQString(text), QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    PrepareBox(box);
    RunModalBox(box);
}

void QtToolkit::PostWakeUp() {
    QMetaObject::invokeMethod(
        this, [this] { WakeUpArrived(); }, Qt::QueuedConnection);
}

void QtToolkit::PaintPending() {
    QCoreApplication::processEvents(kRepaintWork);
}

void QtToolkit::WaitForPainting(milliseconds most) {
    std::this_thread::sleep_for(most);
}

void QtToolkit::ShowBusyCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtToolkit::RestoreCursor() {
    QApplication::restoreOverrideCursor();
}

}  // namespace vindel::qt
