// SPDX-License-Identifier: MIT
#include "ui/BusyCursor.h"

#include "ui/Toolkit.h"

namespace vindel {

BusyCursor::BusyCursor(Toolkit& toolkit) : toolkit_(toolkit) {
    toolkit_.ShowBusyCursor();
}

BusyCursor::~BusyCursor() {
    toolkit_.RestoreCursor();
}

}  // namespace vindel
