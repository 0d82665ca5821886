// SPDX-License-Identifier: MIT
// GoogleTest main for tests that need a QApplication on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
    // Before the application exists, also for the test discovery run. A
    // platform set by hand wins, to watch a test on a real display.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
