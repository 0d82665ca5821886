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

// The toolkit on Qt Widgets: the windows and controls of qt/, Qt's message
// loop and message boxes for the error and notice boxes, under the rules
// of Toolkit.
class QtToolkit final : public QObject, public Toolkit {
    Q_OBJECT

  public:
    // Sets the program icon; closing the last window ends nothing by itself.
    explicit QtToolkit(QApplication& qt);
    ~QtToolkit() override;

    std::u16string ProgramPath() const override;
    std::unique_ptr<vindel::Form> MakeForm(const FormDescription& description,
                                           vindel::Form* owner) override;
    void RunLoop() override;
    void ShowError(const std::u16string& caption, const std::u16string& text) override;
    void ShowNotice(const std::u16string& caption, const std::u16string& text) override;
    void ShowBusyCursor() override;
    void RestoreCursor() override;

  protected:
    void EndLoop() override;
    void PostWakeUp() override;
    void PaintPending() override;
    void WaitForPainting(std::chrono::milliseconds most) override;

  private:
    QApplication& qt_;
};

}  // namespace vindel::qt
