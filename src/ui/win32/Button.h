// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

#include "ui/Button.h"
#include "ui/win32/Control.h"

namespace vindel::win32 {

// A push button. Its text takes the system's button-text colour: a push
// button drawn by the system has no other.
class Button final : public Control, public vindel::Button {
  public:
    Button(Form& form, const ControlDescription& description);

    std::u16string Caption() const override;
    void SetOnClick(std::function<void()> handler) override { on_click_ = std::move(handler); }
    void Click() override;

    void OnCommand(WORD code) override;

  private:
    std::function<void()> on_click_;
};

}  // namespace vindel::win32
