// SPDX-License-Identifier: MIT
// How a window as designed is fitted to the work area of its monitor.
#include <gtest/gtest.h>

#include "ui/ScreenFit.h"

namespace vindel {
namespace {

// The main window: client area 969 x 669, at 200, 0.
constexpr Bounds kMainWindow{200, 0, 969, 669};

struct Case {
    const char* what;
    Bounds workArea;
    double deviceScale;
    FrameSizes frame;
    WindowPlacement expected;
};

TEST(ScreenFitTest, KeepsTheDesignWhereItFitsAndScalesItDownWhereItDoesNot) {
    const Case cases[] = {
        {"100 %, room to spare: as designed",
         {0, 0, 1920, 1040},
         1,
         {8, 31, 8, 8},
         {1, 200, 0, 969, 669}},
        {"150 % in device pixels, 1920 x 1080 less a 40-pixel task bar: 141/96",
         {0, 0, 1920, 1040},
         1.5,
         {11, 45, 11, 11},
         {141.0 / 96, 300, 0, 1423, 983}},
        {"150 % with room: the device scale",
         {0, 0, 2560, 1400},
         1.5,
         {11, 45, 11, 11},
         {1.5, 300, 0, 1454, 1004}},
        {"Qt's units at 150 %: 1280 x 690 under a panel at the top",
         {0, 30, 1280, 690},
         1,
         {1, 22, 1, 5},
         {95.0 / 96, 200, 30, 959, 662}},
        {"too narrow: the width decides, and the window moves left",
         {0, 0, 800, 600},
         1,
         {1, 22, 1, 5},
         {79.0 / 96, 1, 0, 797, 551}},
        {"a monitor to the right of the designed place",
         {1920, 0, 1280, 1000},
         1,
         {1, 22, 1, 5},
         {1, 1920, 0, 969, 669}},
        {"far too small: a quarter, at the top left",
         {10, 20, 100, 100},
         1,
         {1, 22, 1, 5},
         {0.25, 10, 20, 242, 167}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const WindowPlacement placement =
            FitToWorkArea(kMainWindow, c.deviceScale, c.frame, c.workArea);
        EXPECT_DOUBLE_EQ(placement.scale, c.expected.scale);
        EXPECT_EQ(placement.left, c.expected.left);
        EXPECT_EQ(placement.top, c.expected.top);
        EXPECT_EQ(placement.width, c.expected.width);
        EXPECT_EQ(placement.height, c.expected.height);
        // The window with its frame lies in the work area.
        if (c.expected.scale > 0.25) {
            EXPECT_GE(placement.left, c.workArea.left);
            EXPECT_GE(placement.top, c.workArea.top);
            EXPECT_LE(placement.left + c.frame.left + placement.width + c.frame.right,
                      c.workArea.left + c.workArea.width);
            EXPECT_LE(placement.top + c.frame.top + placement.height + c.frame.bottom,
                      c.workArea.top + c.workArea.height);
        }
    }
}

}  // namespace
}  // namespace vindel
