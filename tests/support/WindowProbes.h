// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/ComboBox.h"
#include "ui/Control.h"
#include "ui/EditBox.h"
#include "ui/TForm.h"

// What the window tests read of the real windows that the interfaces don't
// give: the toolkit's own facts, implemented by each toolkit's test support.
namespace vindel::testing {

struct FontFacts {
    // As the font system found it, not as asked for.
    std::u16string family;
    int pixels = 0;
    bool bold = false;
    bool italic = false;
    // The text colour, 0xRRGGBB.
    std::uint32_t colour = 0;
};
FontFacts FontOf(const Control& control);
// The family the font system gives for a family asked for.
std::u16string FoundFamily(std::u16string_view family);

// The names of a window's controls in the order they were made, which is
// the order they are drawn in.
std::vector<std::string> CreationOrder(const TForm& window);
// The names of a window's controls in tab order, from the first.
std::vector<std::string> TabOrder(const TForm& window);

// What a screen reader announces the control by; nothing where the toolkit
// gives its controls no name of that kind (the Win32 controls have only
// their window text).
std::optional<std::u16string> AccessibleName(const Control& control);
// What an edit box shows: for a password box, one "*" per character.
std::u16string DisplayedText(const EditBox& box);
// How many entries a combo box's drop-down list shows at once.
int ListRows(const ComboBox& box);

}  // namespace vindel::testing
