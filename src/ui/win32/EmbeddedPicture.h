// SPDX-License-Identifier: MIT
#pragma once

#include <wincodec.h>
#include <windows.h>

#include <functional>
#include <string>

#include "ui/win32/Dpi.h"
#include "ui/win32/UniqueGdiObject.h"

namespace vindel::win32 {

// A picture embedded in the program as an RCDATA resource holding a whole
// PNG or BMP file, decoded by the system's picture decoder (WIC) into a
// bitmap with premultiplied alpha. On a denser screen it is scaled by the
// same factor as the layout; at 96 dots per inch it keeps its pixels.
//
// Most of the program's pictures stay hidden for a while or for good, so
// the size is read from the file's header when the picture is made, and
// the decoder runs (and is itself made) only when the picture is first
// drawn; the bitmap is kept from then on.
class EmbeddedPicture final {
  public:
    // Gives the decoder when it is first needed.
    using DecoderSource = std::function<IWICImagingFactory&()>;

    EmbeddedPicture(DecoderSource decoder, HMODULE module, std::u16string name, Dpi dpi);

    int Width() const noexcept { return size_.cx; }
    int Height() const noexcept { return size_.cy; }

    // Draws the picture at its size, its top left corner at `at`, blending
    // what transparency it has over what `dc` holds.
    void Draw(HDC dc, POINT at) const;

  private:
    void Decode() const;

    DecoderSource decoder_;
    HMODULE module_;
    std::u16string name_;
    Dpi dpi_;
    SIZE size_{};
    // Made by the first Draw.
    mutable UniqueBitmap bitmap_;
};

}  // namespace vindel::win32
