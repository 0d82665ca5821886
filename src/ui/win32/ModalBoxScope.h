// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <vector>

namespace vindel::win32 {

class Win32Toolkit;

// While a box of the program is open: the box's owner (the active window of
// the program, or the toolkit's hidden window), every other window of the
// program disabled as well, and afterwards the window that was active
// before active again with the keyboard focus where it was. The form being
// active again does not count as a new activation (see Toolkit::FormActivated).
class ModalBoxScope final {
  public:
    explicit ModalBoxScope(Win32Toolkit& toolkit);
    ~ModalBoxScope();
    ModalBoxScope(const ModalBoxScope&) = delete;
    ModalBoxScope& operator=(const ModalBoxScope&) = delete;

    HWND Owner() const noexcept { return owner_; }

  private:
    HWND owner_;
    HWND active_before_;
    HWND focus_before_;
    // The box itself disables its owner; these are the program's others.
    std::vector<HWND> disabled_;
};

}  // namespace vindel::win32
