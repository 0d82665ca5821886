// SPDX-License-Identifier: MIT
#pragma once

#include "ui/Control.h"
#include "ui/win32/Form.h"

namespace vindel::win32 {

// The controls of win32/ behind the interfaces of ui/, each made from its
// row of a window description. What all of them share: one template over
// the interface and the Win32 control it wraps.
template <typename Interface, typename Win32Control>
class ControlAdapter : public Interface {
  public:
    bool Visible() const override { return control_.Visible(); }
    void SetVisible(bool visible) override { control_.SetVisible(visible); }
    vindel::Bounds Geometry() const override {
        return {control_.Left(), control_.Top(), control_.Width(), control_.Height()};
    }

    Win32Control& Window() noexcept { return control_; }
    const Win32Control& Window() const noexcept { return control_; }

  protected:
    template <typename Design>
    ControlAdapter(win32::Form& form, const Design& design) : control_(form, design) {}

  private:
    Win32Control control_;
};

}  // namespace vindel::win32
