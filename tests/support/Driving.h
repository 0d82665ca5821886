#pragma once

#include <QComboBox>
#include <QStringList>

namespace vindel::testing {

// Picks an entry from a combo box's drop-down list with the mouse, as the
// operator would.
void PickEntry(QComboBox& box, int row);

// Clicks into a control with the mouse, as the operator does to move the
// focus there, and waits until it has the focus.
bool ClickInto(QWidget& control);

// The entries a combo box offers.
QStringList Entries(const QComboBox& box);

// Makes a window the program's active window and waits until the widget
// layer knows it.
bool Activate(QWidget& window);

}  // namespace vindel::testing
