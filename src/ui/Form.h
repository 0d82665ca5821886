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
//
// When its handlers run is decided once for every toolkit (Toolkit): the
// toolkit reports what happened to the window, the rules decide.
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
    // window unless the handler keeps it. A pause doesn't refuse it: only
    // the window system's close requests are refused then.
    virtual void Close() = 0;
    virtual bool Visible() const = 0;

    // Runs when this window becomes the program's active window coming from
    // another window of the program or from none; not when a message box
    // over it closes, nor when the operator comes back from another program
    // (Toolkit::FormActivated). It runs guarded (HandlerGuard.h).
    void SetOnActivate(std::function<void()> handler) { on_activate_ = std::move(handler); }
    // Asked on every close request that isn't refused (close box, system
    // menu, Alt+F4, Close); false keeps the window as it is. Without one the
    // window is hidden.
    void SetOnClose(std::function<bool()> handler) { on_close_ = std::move(handler); }

    // For the rules: runs the activation handler, guarded.
    void RunActivation();
    // For the rules: whether the close handler lets the window close; one
    // that fails lets it.
    bool AllowsClose();

  protected:
    Form() = default;

  private:
    std::function<void()> on_activate_;
    std::function<bool()> on_close_;
};

}  // namespace vindel
