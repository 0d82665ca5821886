// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace vindel::testing {

// A window's client area as it shows on the screen, painted up to date
// first.
class ClientPixels final {
  public:
    explicit ClientPixels(HWND window);

    COLORREF At(int x, int y) const;
    // How many pixels of `area` have exactly the colour.
    int Count(const RECT& area, COLORREF colour) const;

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace vindel::testing
