// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "ui/Button.h"
#include "ui/WindowDescription.h"
#include "ui/win32/Button.h"
#include "ui/win32/ControlAdapter.h"

namespace vindel::win32 {

class ButtonAdapter final : public ControlAdapter<vindel::Button, win32::Button> {
  public:
    ButtonAdapter(win32::Form& form, const ControlDescription& description);
    std::u16string Caption() const override;
    void SetOnClick(std::function<void()> handler) override {
        Window().SetClickHandler(std::move(handler));
    }
    void Click() override;
};

}  // namespace vindel::win32
