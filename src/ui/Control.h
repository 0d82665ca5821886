// SPDX-License-Identifier: MIT
#pragma once

namespace vindel {

// A control's place within its form's client area, in pixels.
struct Bounds final {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const Bounds&) const = default;
};

// What every control of a window has, whatever toolkit draws it. The
// windows' code sees their controls only through this and the interfaces
// derived from it (Label, Picture, ComboBox, EditBox, Button). A toolkit's
// control implements one of those, and may share the implementation of
// this part among its controls: hence the interfaces derive from it
// virtually.
class Control {
  public:
    virtual ~Control() = default;

    // Visible within its form: a control of a hidden form is still visible
    // here when it would show with the form.
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;

    // Where the control lies now; a label's size follows its caption.
    virtual Bounds Geometry() const = 0;

  protected:
    Control() = default;
    Control(const Control&) = default;
    Control& operator=(const Control&) = default;
};

}  // namespace vindel
