// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/Form.h"
#include "ui/WindowDescription.h"

namespace vindel::qt {

class QtToolkit;

// A window of the program on Qt, built from its description: its controls
// (the T classes of qt/), its designed place and colours, and the activation
// and close rules of Form.
class FormWindow final : public QWidget, public Form {
    Q_OBJECT

  public:
    // A form with an owner is a separate window that stays in front of its
    // owner, is minimised with it and has no task-bar entry of its own.
    FormWindow(QtToolkit& toolkit, const FormDescription& description, FormWindow* owner);

    Control* Find(std::string_view name) const override;
    void Show() override;
    void Hide() override;
    void Close() override;
    bool Visible() const override;
    void SetOnActivate(std::function<void()> handler) override;
    void SetOnClose(std::function<bool()> handler) override;

    // Runs the activation handler; the toolkit decides when.
    void RunActivation();

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void MakeControls(const FormDescription& description);

    QtToolkit& toolkit_;
    std::vector<std::pair<std::string, Control*>> controls_;
    std::function<void()> on_activate_;
    std::function<bool()> on_close_;
};

}  // namespace vindel::qt
