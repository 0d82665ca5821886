// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

#include "ui/win32/Control.h"

namespace vindel::win32 {

struct ButtonDesign final {
    Bounds bounds;
    std::u16string caption;
    Typeface typeface;
    TextColour colour = TextColour::Black;
};

// A push button. Its text takes the system's button-text colour: a push
// button drawn by the system has no other.
class Button final : public Control {
  public:
    Button(Form& form, const ButtonDesign& design);

    void SetClickHandler(std::function<void()> handler) { click_handler_ = std::move(handler); }

    void OnCommand(WORD code) override;

  private:
    std::function<void()> click_handler_;
};

}  // namespace vindel::win32
