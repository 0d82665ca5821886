// SPDX-License-Identifier: MIT
// GoogleTest main for tests that need a QApplication on a real X server. They
// run under with-x-server.sh, which sets DISPLAY and QT_QPA_PLATFORM=xcb.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
