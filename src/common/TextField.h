// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace vindel {

// A text the operator edits, such as an edit box of the main window. The core
// reads and fills edit boxes through this, so that it needs no windowing code.
class TextField {
  public:
    virtual ~TextField() = default;
    virtual std::u16string Text() const = 0;
    virtual void SetText(const std::u16string& text) = 0;
};

}  // namespace vindel
