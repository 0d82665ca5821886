// SPDX-License-Identifier: MIT
// The Windows program: Vindel's windows on the Win32 toolkit.
#include <windows.h>

#include "catalogue/CommandTables.h"
#include "ui/Program.h"
#include "ui/win32/Win32Toolkit.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    // Every way out ends with exit code 0, a failure to set up the windows
    // included: there is no window yet to report it in.
    try {
        vindel::BuildTables();
        vindel::win32::Win32Toolkit toolkit(showCommand);
        return vindel::RunProgram(toolkit, vindel::CreateWindows);
    } catch (...) {
        return 0;
    }
}
