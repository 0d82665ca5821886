// SPDX-License-Identifier: MIT
#include "ui/win32/Picture.h"

#include "ui/win32/Shell.h"

namespace vindel::win32 {
namespace {

Bounds DesignedBounds(const PictureDesign& design) {
    const SIZE size = design.size.value_or(SIZE{0, 0});
    return {design.left, design.top, size.cx, size.cy};
}

}  // namespace

Picture::Picture(Form& form, const PictureDesign& design)
    : GraphicControl(form, DesignedBounds(design), std::nullopt, TextColour::WindowText),
      picture_(form.Application().Instance(), design.resource, form.ScreenDpi()) {
    if (!design.size)
        SetPixelSize({picture_.Width(), picture_.Height()});
}

void Picture::Draw(HDC dc) const {
    picture_.Draw(dc, {PixelBounds().left, PixelBounds().top});
}

}  // namespace vindel::win32
