// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "ui/Control.h"

namespace vindel {

// A line of text that sizes itself to its caption, its left edge staying
// put, and is drawn without a background, so that what lies under it shows
// through.
class Label : public virtual Control {
  public:
    virtual std::u16string Caption() const = 0;
    virtual void SetCaption(const std::u16string& caption) = 0;
};

}  // namespace vindel
