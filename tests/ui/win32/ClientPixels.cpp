// SPDX-License-Identifier: MIT
#include "ClientPixels.h"

#include <algorithm>

namespace vindel::testing {

ClientPixels::ClientPixels(HWND window) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT client{};
    ::GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;
    pixels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HDC screen = ::GetDC(window);
    const HDC memory = ::CreateCompatibleDC(screen);
    const HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width_, height_, screen, 0, 0, SRCCOPY);
    ::GdiFlush();
    std::copy_n(static_cast<const std::uint32_t*>(bits), pixels_.size(), pixels_.begin());
    ::SelectObject(memory, previous);
    ::DeleteDC(memory);
    ::ReleaseDC(window, screen);
    ::DeleteObject(bitmap);
}

COLORREF ClientPixels::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return CLR_INVALID;
    const std::uint32_t pixel =
        pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                static_cast<std::size_t>(x)];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

int ClientPixels::Count(const RECT& area, COLORREF colour) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (At(x, y) == colour)
                ++count;
        }
    }
    return count;
}

}  // namespace vindel::testing
