// SPDX-License-Identifier: MIT
#pragma once

#include "ui/Control.h"

namespace vindel {

// The widths of a window's frame around its client area: the caption and
// borders the window system draws, in a toolkit's own units.
struct FrameSizes final {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const FrameSizes&) const = default;
};

// Where a window goes and how large its layout is drawn.
struct WindowPlacement final {
    // Toolkit units per designed pixel: positions, sizes, fonts and
    // pictures of the controls are drawn at this scale.
    double scale = 1;
    // The frame's outer top-left corner, in the toolkit's screen units.
    int left = 0;
    int top = 0;
    // The client area.
    int width = 0;
    int height = 0;

    bool operator==(const WindowPlacement&) const = default;
};

// Fits a window as designed (its client area and designed place, in
// designed pixels) to the work area of its monitor: the screen without the
// task bar and panels, in the toolkit's units, of which `deviceScale` make
// one designed pixel (1.5 at 150 %). The window keeps its proportions and is
// drawn at the device scale where it fits; where it doesn't, the whole
// layout is scaled down until the client area and the frame around it fit.
// It then lies at its designed place, moved into the work area as far as
// needed. A work area too small for a quarter of the design gets the
// window at a quarter, at the work area's top left.
WindowPlacement FitToWorkArea(const Bounds& design, double deviceScale, const FrameSizes& frame,
                              const Bounds& workArea);

}  // namespace vindel
