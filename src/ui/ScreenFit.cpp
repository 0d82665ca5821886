// SPDX-License-Identifier: MIT
#include "ui/ScreenFit.h"

#include <algorithm>
#include <cmath>

namespace vindel {
namespace {

// Scales are whole steps of 1/96, as dots per inch are whole: Win32 draws
// at a density, and a scale rounded down never outgrows the room it was
// computed for.
constexpr double kSteps = 96;
constexpr double kSmallest = 0.25;

double RoundedDown(double scale) {
    // The small allowance keeps a scale such as 4/3 whole.
    return std::floor(scale * kSteps + 1e-6) / kSteps;
}

int Scaled(int designed, double scale) {
    return static_cast<int>(std::lround(designed * scale));
}

// The start of a span of `size` at `wanted`, inside [start, start + room).
int Inside(int wanted, int size, int start, int room) {
    return std::max(start, std::min(wanted, start + room - size));
}

}  // namespace

WindowPlacement FitToWorkArea(const Bounds& design, double deviceScale, const FrameSizes& frame,
                              const Bounds& workArea) {
    double scale = RoundedDown(deviceScale);
    const int roomX = workArea.width - frame.left - frame.right;
    const int roomY = workArea.height - frame.top - frame.bottom;
    if (design.width > 0 && Scaled(design.width, scale) > roomX)
        scale = RoundedDown(static_cast<double>(roomX) / design.width);
    if (design.height > 0 && Scaled(design.height, scale) > roomY)
        scale = RoundedDown(static_cast<double>(roomY) / design.height);
    scale = std::max(scale, kSmallest);

    WindowPlacement placement;
    placement.scale = scale;
    placement.width = Scaled(design.width, scale);
    placement.height = Scaled(design.height, scale);
    // The designed place is a place on the screen, at the screen's density.
    placement.left =
        Inside(Scaled(design.left, deviceScale), placement.width + frame.left + frame.right,
               workArea.left, workArea.width);
    placement.top =
        Inside(Scaled(design.top, deviceScale), placement.height + frame.top + frame.bottom,
               workArea.top, workArea.height);
    return placement;
}

}  // namespace vindel
