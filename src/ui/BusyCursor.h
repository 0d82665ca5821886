// SPDX-License-Identifier: MIT
#pragma once

namespace vindel {

class Toolkit;

// Shows the platform's busy cursor over all of the program's windows while
// it lives: for stretches in which the user-interface thread takes no input.
class BusyCursor final {
  public:
    explicit BusyCursor(Toolkit& toolkit);
    ~BusyCursor();

    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    Toolkit& toolkit_;
};

}  // namespace vindel
