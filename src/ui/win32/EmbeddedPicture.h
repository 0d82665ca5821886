// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

#include "ui/win32/Dpi.h"

namespace vindel::win32 {

// A picture embedded in the program as an RCDATA resource holding a whole
// uncompressed BMP file, drawn by GDI straight from the program's resource:
// nothing is decoded and no copy is kept, so a picture costs the program's
// start nothing until it is drawn, and no picture decoder is ever loaded.
// On a denser screen it is scaled by the same factor as the layout, with
// GDI's halftone stretching; at 96 dots per inch it keeps its pixels.
class EmbeddedPicture final {
  public:
    // Throws when the program holds no such picture or it is no BMP file
    // that GDI draws as it stands.
    EmbeddedPicture(HMODULE module, const std::u16string& name, Dpi dpi);

    int Width() const noexcept { return size_.cx; }
    int Height() const noexcept { return size_.cy; }

    // Draws the picture at its size, its top left corner at `at`.
    void Draw(HDC dc, POINT at) const;

  private:
    // Within the program's resource, which lives as long as the program.
    const BITMAPINFO* info_ = nullptr;
    const void* pixels_ = nullptr;
    SIZE natural_{};
    SIZE size_{};
};

}  // namespace vindel::win32
