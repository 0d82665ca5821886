// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "ui/EditBox.h"
#include "ui/WindowDescription.h"
#include "ui/win32/ControlAdapter.h"
#include "ui/win32/EditBox.h"

namespace vindel::win32 {

class EditBoxAdapter final : public ControlAdapter<vindel::EditBox, win32::EditBox> {
  public:
    EditBoxAdapter(win32::Form& form, const ControlDescription& description);
    std::u16string Text() const override { return Window().Text(); }
    void SetText(const std::u16string& text) override { Window().SetText(text); }
};

}  // namespace vindel::win32
