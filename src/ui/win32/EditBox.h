// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "ui/EditBox.h"
#include "ui/win32/Control.h"

namespace vindel::win32 {

// A one-line edit box that scrolls its text sideways. A password box shows
// one "*" per character, whatever the system's own password character.
class EditBox final : public Control, public vindel::EditBox {
  public:
    EditBox(Form& form, const ControlDescription& description);

    std::u16string Text() const override;
    void SetText(const std::u16string& text) override;
};

}  // namespace vindel::win32
