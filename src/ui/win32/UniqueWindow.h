// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace vindel::win32 {

// A window of this thread, destroyed when the wrapper goes. A window that is
// already gone (a child destroyed with its parent, a window destroyed by the
// system) is forgotten, not destroyed twice: call release from its
// WM_NCDESTROY where the window procedure is ours. It reads like
// std::unique_ptr: get, release, reset.
class UniqueWindow final {
  public:
    UniqueWindow() = default;
    explicit UniqueWindow(HWND window) noexcept : window_(window) {}
    ~UniqueWindow();
    UniqueWindow(UniqueWindow&& other) noexcept;
    UniqueWindow& operator=(UniqueWindow&& other) noexcept;
    UniqueWindow(const UniqueWindow&) = delete;
    UniqueWindow& operator=(const UniqueWindow&) = delete;

    HWND get() const noexcept { return window_; }
    explicit operator bool() const noexcept { return window_ != nullptr; }

    // Forgets the window without destroying it.
    HWND release() noexcept;
    void reset(HWND window = nullptr) noexcept;

  private:
    HWND window_ = nullptr;
};

}  // namespace vindel::win32
