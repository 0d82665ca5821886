// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "ui/Form.h"
#include "ui/ScreenFit.h"
#include "ui/WindowDescription.h"

namespace vindel::qt {

class QtToolkit;

// A window of the program on Qt, built from its description: its controls
// (the classes of qt/), its designed place and colours. Where the work area
// of its screen has no room for it as designed, its whole layout is drawn
// smaller, and it lies inside that work area (FitToWorkArea). What happens
// to it goes to the toolkit's rules (Toolkit).
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
    // A control as designed, for drawing it at another scale.
    struct DesignedControl final {
        QWidget* widget = nullptr;
        Bounds bounds;
        int fontPixels = 0;
    };

    void MakeControls(const FormDescription& description);
    // Places the window in the work area of its screen, its layout scaled
    // down where it must; with the frame the window system has drawn around
    // it once it has, with an estimate before that.
    void FitToScreen();
    void ApplyScale(double scale);

    QtToolkit& toolkit_;
    Bounds design_;
    std::vector<std::pair<std::string, Control*>> controls_;
    std::vector<DesignedControl> designed_controls_;
    double scale_ = 1;
    // Whether it was fitted with its real frame.
    bool fitted_in_frame_ = false;
};

}  // namespace vindel::qt
