// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace vindel {

// An editable drop-down box, its list eight entries high and unsorted, with
// the behaviour the main window relies on:
// - picking an entry from the list raises the change with its position;
// - typing that begins an entry (letter case ignored) selects the first such
//   entry, completes the text with it, the completed part selected, and
//   raises the change if that entry was not selected before; typing over
//   selected text is typing too;
// - an edit is a deletion when the new text begins the old one, is shorter
//   and adds nothing to what was left unselected of it; a deletion completes
//   nothing, and it, like any other edit that selects no entry, leaves the
//   typed text as it is with no entry selected and raises the change;
// - leaving the box or pressing Return neither selects an entry nor raises
//   the change, even when the text equals an entry;
// - refilling the entries from code raises nothing and keeps the text shown.
class ComboBox : public virtual Control {
  public:
    // Replaces the entries; no entry is selected afterwards.
    virtual void Refill(std::span<const std::u16string> entries) = 0;
    virtual std::vector<std::u16string> Entries() const = 0;
    // The selected entry's position, -1 for none.
    virtual int ItemIndex() const = 0;
    // The text the box shows.
    virtual std::u16string Text() const = 0;

    // The change handler; the toolkit runs it guarded (HandlerGuard.h).
    virtual void SetOnChange(std::function<void()> handler) = 0;
};

}  // namespace vindel
