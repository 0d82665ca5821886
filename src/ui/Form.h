// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string_view>

#include "ui/Control.h"

namespace vindel {

// A top-level window made by a toolkit from a FormDescription, with its
// controls: white, resizable, with the system menu and the minimise and
// maximise buttons, its client area at the designed size, hidden until
// shown. A form made with an owner has no task-bar entry, stays in front of
// its owner and is minimised with it.
class Form {
  public:
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // The control made from the description's entry of that name, or null.
    virtual Control* Find(std::string_view name) const = 0;

    // Shows the window and makes it the program's active window.
    virtual void Show() = 0;
    virtual void Hide() = 0;
    // As the window's close box does: asks the close handler, then hides the
    // window unless the handler keeps it.
    virtual void Close() = 0;
    virtual bool Visible() const = 0;

    // Runs when this window becomes the program's active window coming from
    // another window of the program or from none; not when a message box
    // over it closes, nor when the operator comes back from another program.
    // The toolkit runs it guarded (HandlerGuard.h).
    virtual void SetOnActivate(std::function<void()> handler) = 0;
    // Asked on every close request (close box, system menu, Alt+F4, Close);
    // false keeps the window as it is. Without one the window is hidden.
    virtual void SetOnClose(std::function<bool()> handler) = 0;

  protected:
    Form() = default;
};

}  // namespace vindel
