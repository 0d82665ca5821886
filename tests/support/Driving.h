#pragma once

#include <QComboBox>
#include <QStringList>

namespace vindel::testing {

// Picks an entry from a combo box's drop-down list with the mouse, as the
// operator would.
void PickEntry(QComboBox& box, int row);

// The entries a combo box offers.
QStringList Entries(const QComboBox& box);

// Makes a window the program's active window and waits until the widget
// layer knows it.
bool Activate(QWidget& window);

}  // namespace vindel::testing
