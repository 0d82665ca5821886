// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "ui/Label.h"
#include "ui/WindowDescription.h"
#include "ui/win32/ControlAdapter.h"
#include "ui/win32/Label.h"

namespace vindel::win32 {

class LabelAdapter final : public ControlAdapter<vindel::Label, win32::Label> {
  public:
    LabelAdapter(win32::Form& form, const ControlDescription& description);
    std::u16string Caption() const override { return Window().Caption(); }
    void SetCaption(const std::u16string& caption) override { Window().SetCaption(caption); }
};

}  // namespace vindel::win32
