// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace vindel::win32 {

// The screen's pixel density. The windows are designed in pixels at 96 dots
// per inch; on a denser screen every position, size and font height is
// scaled by the same factor, so the layout keeps its proportions and stays
// sharp (the program declares itself DPI-aware). At 96 the designed pixels
// are used unchanged.
class Dpi final {
  public:
    static constexpr int kDesigned = 96;

    constexpr Dpi() = default;
    constexpr explicit Dpi(int dotsPerInch) : dots_per_inch_(dotsPerInch) {}

    // What the system reports for the screen (96 for a program that is not
    // DPI-aware, whatever the screen).
    static Dpi OfScreen();

    constexpr int DotsPerInch() const { return dots_per_inch_; }
    int Scale(int designed) const { return ::MulDiv(designed, dots_per_inch_, kDesigned); }
    int Unscale(int pixels) const { return ::MulDiv(pixels, kDesigned, dots_per_inch_); }

  private:
    int dots_per_inch_ = kDesigned;
};

}  // namespace vindel::win32
