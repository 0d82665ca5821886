// SPDX-License-Identifier: MIT
#include "LabelInk.h"

#include <windows.h>

#include <algorithm>
#include <limits>

#include "ui/win32/Label.h"

namespace vindel::testing {

LabelInk::LabelInk(const win32::Label& label) {
    const RECT bounds = label.PixelBounds();
    // A few columns to the right too: a letter may reach past the label.
    const int width = bounds.right + 8;
    const HDC screen = ::GetDC(nullptr);
    const HDC dc = ::CreateCompatibleDC(screen);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, bounds.bottom);
    ::ReleaseDC(nullptr, screen);
    const HGDIOBJ previous = ::SelectObject(dc, bitmap);
    const RECT all{0, 0, width, bounds.bottom};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    label.Draw(dc);
    top = std::numeric_limits<int>::max();
    for (int x = bounds.left; x < width; ++x) {
        bool inked = false;
        for (int y = bounds.top; y < bounds.bottom; ++y) {
            if (::GetPixel(dc, x, y) == RGB(255, 255, 255))
                continue;
            inked = true;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
        if (!inked)
            continue;
        if (!columns.empty() && columns.back().second == x - 1)
            columns.back().second = x;
        else
            columns.emplace_back(x, x);
    }
    ::SelectObject(dc, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
}

bool LabelInk::Overlaps(const LabelInk& other) const {
    if (bottom < other.top || other.bottom < top)
        return false;
    for (const auto& [first, last] : columns) {
        for (const auto& [otherFirst, otherLast] : other.columns) {
            if (first <= otherLast && otherFirst <= last)
                return true;
        }
    }
    return false;
}

}  // namespace vindel::testing
