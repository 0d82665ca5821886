// SPDX-License-Identifier: MIT
#include "ui/win32/MemoryCanvas.h"

#include "ui/win32/LastError.h"

namespace vindel::win32 {

MemoryCanvas::MemoryCanvas(HDC target, const RECT& area)
    : area_(area), dc_(::CreateCompatibleDC(target)) {
    if (dc_ == nullptr)
        ThrowLastError(u"CreateCompatibleDC");
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    bitmap_.reset(::CreateCompatibleBitmap(target, width > 0 ? width : 1, height > 0 ? height : 1));
    if (!bitmap_) {
        ::DeleteDC(dc_);
        ThrowLastError(u"CreateCompatibleBitmap");
    }
    previous_ = ::SelectObject(dc_, bitmap_.get());
    ::SetViewportOrgEx(dc_, -area.left, -area.top, nullptr);
}

MemoryCanvas::~MemoryCanvas() {
    ::SelectObject(dc_, previous_);
    ::DeleteDC(dc_);
}

void MemoryCanvas::CopyTo(HDC target, POINT at) const {
    ::BitBlt(target, at.x, at.y, area_.right - area_.left, area_.bottom - area_.top, dc_,
             area_.left, area_.top, SRCCOPY);
}

}  // namespace vindel::win32
