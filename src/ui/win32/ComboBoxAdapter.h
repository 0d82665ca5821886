// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "ui/ComboBox.h"
#include "ui/WindowDescription.h"
#include "ui/win32/ComboBox.h"
#include "ui/win32/ControlAdapter.h"

namespace vindel::win32 {

class ComboBoxAdapter final : public ControlAdapter<vindel::ComboBox, win32::ComboBox> {
  public:
    ComboBoxAdapter(win32::Form& form, const ControlDescription& description);
    void Refill(std::span<const std::u16string> entries) override {
        Window().Refill({entries.begin(), entries.end()});
    }
    std::vector<std::u16string> Entries() const override { return Window().Entries(); }
    int ItemIndex() const override { return Window().ItemIndex(); }
    std::u16string Text() const override { return Window().Text(); }
    void SetOnChange(std::function<void()> handler) override {
        Window().SetChangeHandler(std::move(handler));
    }
};

}  // namespace vindel::win32
