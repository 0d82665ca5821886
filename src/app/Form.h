#pragma once

#include <QWidget>

namespace vindel {

// A window of the program: the main window or the diagram window. Adds what
// those windows share: the activation handler that runs when the window
// becomes the program's active window, and the rule that closing the main
// window ends the program while closing any other only hides it.
class TForm : public QWidget {
    Q_OBJECT

  public:
    // A form with an owner is a separate window that stays in front of its
    // owner, is minimised with it and has no task-bar entry of its own.
    explicit TForm(QWidget* owner);

    // Runs when this window becomes the program's active window, coming from
    // another window of the program or from none; not when a message box over
    // it closes, nor when the operator comes back from another program.
    virtual void FormActivate() {}

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    // Places the window: its frame at (left, top), its client area of the
    // given size.
    void SetDesignedGeometry(int left, int top, int clientWidth, int clientHeight);
};

}  // namespace vindel
