// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "ui/win32/Control.h"

namespace vindel::win32 {

enum class EditKind { Plain, Password };

struct EditDesign final {
    Bounds bounds;
    std::u16string text;
    Typeface typeface;
    TextColour colour = TextColour::Black;
    EditKind kind = EditKind::Plain;
};

// A one-line edit box that scrolls its text sideways. A password box shows
// one "*" per character, whatever the system's own password character.
class EditBox final : public Control {
  public:
    EditBox(Form& form, const EditDesign& design);

    std::u16string Text() const;
    void SetText(const std::u16string& text);
};

}  // namespace vindel::win32
