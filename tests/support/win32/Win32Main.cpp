// SPDX-License-Identifier: MIT
// GoogleTest main for the window tests on the Win32 toolkit, run under wine
// on a private X display (cmake/wine-x11-run.sh). Each test makes its own
// toolkit (MakeToolkit), so nothing of the windows is set up here.
#include <windows.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // A crash ends the run with its code instead of waiting on a crash box
    // that nobody answers.
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
