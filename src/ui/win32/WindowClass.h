// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

namespace vindel::win32 {

// A window class of this module, registered for as long as the object
// lives. Every window of the class must be gone before it goes.
class WindowClass final {
  public:
    // `background` may be null: the windows paint all of themselves.
    WindowClass(HINSTANCE instance, std::wstring name, WNDPROC procedure, HBRUSH background,
                HICON icon = nullptr);
    ~WindowClass();
    WindowClass(const WindowClass&) = delete;
    WindowClass& operator=(const WindowClass&) = delete;

    const wchar_t* Name() const noexcept { return name_.c_str(); }

  private:
    HINSTANCE instance_;
    std::wstring name_;
};

}  // namespace vindel::win32
