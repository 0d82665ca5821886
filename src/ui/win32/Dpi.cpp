// SPDX-License-Identifier: MIT
#include "ui/win32/Dpi.h"

namespace vindel::win32 {

Dpi Dpi::OfScreen() {
    const HDC screen = ::GetDC(nullptr);
    if (screen == nullptr)
        return Dpi();
    const int dotsPerInch = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dotsPerInch > 0 ? Dpi(dotsPerInch) : Dpi();
}

}  // namespace vindel::win32
