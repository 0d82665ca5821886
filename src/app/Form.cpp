#include "app/Form.h"

#include <QCloseEvent>
#include <QHideEvent>

#include "app/Application.h"

namespace vindel {

TForm::TForm(QWidget* owner) : QWidget(owner, owner != nullptr ? Qt::Window : Qt::WindowFlags()) {}

bool TForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && Application != nullptr) {
        Application->FormActivated(this);
    }
    return QWidget::event(event);
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
