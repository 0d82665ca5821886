#include "app/Form.h"

#include <QCloseEvent>
#include <QHideEvent>
#include <QShowEvent>

#include "app/Application.h"
#include "app/TaskBar.h"

namespace vindel {
namespace {

// To the window system an owned window is a dialog: that makes it a
// transient of its owner (WM_TRANSIENT_FOR on X11, the parent of its
// toplevel on Wayland), which keeps it in front of the owner and minimises
// it with the owner. Its title bar stays that of an ordinary window.
constexpr Qt::WindowFlags kOwnedWindow = Qt::Dialog | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                                         Qt::WindowCloseButtonHint;

}  // namespace

TForm::TForm(QWidget* owner)
    : QWidget(owner, owner != nullptr ? kOwnedWindow : Qt::WindowFlags()) {}

bool TForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && Application != nullptr) {
        Application->FormActivated(this);
    }
    return QWidget::event(event);
}

void TForm::showEvent(QShowEvent* event) {
    // Before the window system maps the window; a window restored from
    // minimised keeps what it had.
    if (!event->spontaneous() && parentWidget() != nullptr)
        KeepOffTaskBar(*this);
    QWidget::showEvent(event);
}

void TForm::hideEvent(QHideEvent* event) {
    // A window minimised by the window system is not gone; one hidden by the
    // program is, and the next window to become active comes from none.
    if (!event->spontaneous() && Application != nullptr) {
        Application->FormHidden(this);
    }
    QWidget::hideEvent(event);
}

void TForm::closeEvent(QCloseEvent* event) {
    if (Application != nullptr && Application->MainForm == this) {
        // The main window stays as it is until the program ends.
        event->ignore();
        Application->Terminate();
        return;
    }
    QWidget::closeEvent(event);
}

void TForm::SetDesignedGeometry(int left, int top, int clientWidth, int clientHeight) {
    resize(clientWidth, clientHeight);
    move(left, top);
}

}  // namespace vindel
