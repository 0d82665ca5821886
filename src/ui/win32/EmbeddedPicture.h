// SPDX-License-Identifier: MIT
#pragma once

#include <wincodec.h>
#include <windows.h>

#include <string>

#include "ui/win32/Dpi.h"
#include "ui/win32/UniqueGdiObject.h"

namespace vindel::win32 {

// A picture embedded in the program as an RCDATA resource holding a whole
// PNG or BMP file, decoded by the system's picture decoder (WIC) into a
// bitmap with premultiplied alpha. On a denser screen it is scaled by the
// same factor as the layout; at 96 dots per inch it keeps its pixels.
class EmbeddedPicture final {
  public:
    EmbeddedPicture(IWICImagingFactory& decoder, HMODULE module, const std::u16string& name,
                    Dpi dpi);

    int Width() const noexcept { return size_.cx; }
    int Height() const noexcept { return size_.cy; }

    // Draws the picture at its size, its top left corner at `at`, blending
    // what transparency it has over what `dc` holds.
    void Draw(HDC dc, POINT at) const;

  private:
    UniqueBitmap bitmap_;
    SIZE size_{};
};

}  // namespace vindel::win32
