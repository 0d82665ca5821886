// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "ui/Form.h"
#include "ui/WindowDescription.h"

namespace vindel::qt {

class QtToolkit;

// A window of the program on Qt, built from its description: its controls
// (the classes of qt/), its designed place and colours. What happens to it
// goes to the toolkit's rules (Toolkit).
class Form final : public QWidget, public vindel::Form {
    Q_OBJECT

  public:
    // A form with an owner is a separate window that stays in front of its
    // owner, is minimised with it and has no task-bar entry of its own.
    Form(QtToolkit& toolkit, const FormDescription& description, Form* owner);

    Control* Find(std::string_view name) const override;
    void Show() override;
    void Hide() override;
    void Close() override;
    bool Visible() const override;

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void MakeControls(const FormDescription& description);

    QtToolkit& toolkit_;
    std::vector<std::pair<std::string, Control*>> controls_;
};

}  // namespace vindel::qt
