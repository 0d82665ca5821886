// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/ComboBox.h"
#include "ui/Control.h"
#include "ui/TForm.h"

// What the window tests do to the real windows, as the operator does it,
// whatever the toolkit: each toolkit's test support implements these (qt/,
// win32/).
namespace vindel::testing {

// Shows a window, makes it the program's active window and waits until the
// toolkit knows it.
bool Activate(TForm& window);

// Picks an entry from a combo box's drop-down list with the mouse.
void PickEntry(ComboBox& box, int row);

// Clicks into a control with the mouse, as the operator does to move the
// focus there, and waits until it has the focus.
bool ClickInto(Control& control);
bool HasFocus(const Control& control);

// Asks the window to close as its close box does, through the window system.
void CloseFromWindowSystem(TForm& window);

// Types the text into a control, key by key, wherever its cursor is.
void Type(Control& control, std::u16string_view text);
enum class Key { Backspace, End, Return, Tab, SelectAll };
void Press(Control& control, Key key);

// The text selected in a combo box's edit part.
std::u16string SelectedText(const ComboBox& box);

// Lets the program run until the condition holds, at most `limit`.
bool WaitFor(const std::function<bool()>& condition,
             std::chrono::milliseconds limit = std::chrono::seconds(5));
// Runs what the program has queued, so that a test can show nothing more
// happens.
void Drain();

// Accepts every modal box that opens while it lives, as the operator would,
// and keeps the texts they showed.
class AcceptedBoxes {
  public:
    virtual ~AcceptedBoxes() = default;
    virtual std::vector<std::u16string> Texts() const = 0;
};
std::unique_ptr<AcceptedBoxes> AcceptBoxes();

}  // namespace vindel::testing
