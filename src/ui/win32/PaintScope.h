// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace vindel::win32 {

// BeginPaint and EndPaint around the painting of a WM_PAINT.
class PaintScope final {
  public:
    explicit PaintScope(HWND window) noexcept : window_(window) {
        dc_ = ::BeginPaint(window_, &paint_);
    }
    ~PaintScope() { ::EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    HDC Dc() const noexcept { return dc_; }
    // What needs painting, in the window's client coordinates.
    const RECT& Area() const noexcept { return paint_.rcPaint; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_ = nullptr;
};

}  // namespace vindel::win32
