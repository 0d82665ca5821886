// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

#include "ui/Control.h"

namespace vindel {

// A push button.
class Button : public virtual Control {
  public:
    virtual std::u16string Caption() const = 0;

    // The click handler; the toolkit runs it guarded (HandlerGuard.h).
    virtual void SetOnClick(std::function<void()> handler) = 0;
    // Presses the button as the operator does: the click handler runs.
    virtual void Click() = 0;
};

}  // namespace vindel
