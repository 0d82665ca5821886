// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "ui/Toolkit.h"

class QApplication;

namespace vindel::qt {

class FormWindow;

// The toolkit on Qt Widgets: the windows and controls of qt/, Qt's message
// loop, message boxes for the error and notice boxes, and the activation
// rule of the forms.
class QtToolkit final : public QObject, public Toolkit {
    Q_OBJECT

  public:
    // Sets the program icon; closing the last window ends nothing by itself.
    explicit QtToolkit(QApplication& qt);
    ~QtToolkit() override;

    std::u16string ProgramPath() const override;
    std::unique_ptr<Form> MakeForm(const FormDescription& description, Form* owner) override;
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

    // Called by the forms; they decide when a form's activation handler runs.
    void FormActivated(FormWindow& form);
    void FormHidden(FormWindow& form);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Holds the pausing rules while it lives; nests.
    class Pausing;

    void RunWakeUp();

    QApplication& qt_;
    std::function<void()> wake_up_handler_;
    FormWindow* active_form_ = nullptr;
    bool pausing_ = false;
    bool wake_up_waiting_ = false;
};

}  // namespace vindel::qt
