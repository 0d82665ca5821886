// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string_view>

#include "ui/Form.h"
#include "ui/WindowDescription.h"

namespace vindel {

class Toolkit;

// A window of the program: the main window or the diagram window. It is
// built by the toolkit from its description and holds the toolkit's window;
// its activation handler runs when the window becomes the program's active
// window (see Form::SetOnActivate).
class TForm {
  public:
    // A form with an owner is a separate window that stays in front of its
    // owner, is minimised with it and has no task-bar entry of its own.
    TForm(Toolkit& toolkit, const FormDescription& description, TForm* owner);
    virtual ~TForm() = default;

    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    virtual void FormActivate() {}

    // Shows the window and makes it the active window.
    void Show() { window_->Show(); }
    void Hide() { window_->Hide(); }
    // As the window's close box does.
    void Close() { window_->Close(); }
    bool Visible() const { return window_->Visible(); }

    // The toolkit's window.
    Form& Window() const { return *window_; }

  protected:
    // The control of that name and kind, which the description must have made.
    template <typename Kind>
    Kind* Find(std::string_view name) const;

  private:
    static void MissingControl(std::string_view name);

    std::unique_ptr<Form> window_;
};

template <typename Kind>
Kind* TForm::Find(std::string_view name) const {
    auto* control = dynamic_cast<Kind*>(window_->Find(name));
    if (control == nullptr)
        MissingControl(name);
    return control;
}

}  // namespace vindel
