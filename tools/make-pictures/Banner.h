// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

namespace vindel {

// The blue title strip at the top of both windows: 999 x 33, flat
// RGB(115, 151, 201), the white "Vindel" wordmark and a line of text under it.
QImage DrawBanner();

}  // namespace vindel
