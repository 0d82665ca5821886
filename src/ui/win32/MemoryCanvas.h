// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include "ui/win32/UniqueGdiObject.h"

namespace vindel::win32 {

// An off-screen bitmap to paint an area into before it is copied to the
// screen in one go, so that the layers of the windows never flicker. It is
// addressed in the area's own coordinates.
class MemoryCanvas final {
  public:
    MemoryCanvas(HDC target, const RECT& area);
    ~MemoryCanvas();
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    HDC Dc() const noexcept { return dc_; }
    // Copies the whole area to `target`, its top left corner at `at`.
    void CopyTo(HDC target, POINT at) const;

  private:
    RECT area_;
    HDC dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace vindel::win32
