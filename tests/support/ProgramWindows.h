// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "ui/Application.h"
#include "ui/Toolkit.h"

namespace vindel::testing {

// The toolkit the window tests run on, made once the test's main has set it
// up (Qt on the offscreen platform, or on a private X server).
std::unique_ptr<Toolkit> MakeToolkit();

// The program as it stands after start-up, for tests of the real windows:
// a fresh setup record and settings list, the toolkit, the application
// object, and both windows, the diagram window hidden. Destroying it
// destroys the windows, then the application object, then the toolkit.
struct TestProgram {
    TestProgram();

    std::unique_ptr<Toolkit> toolkit;
    TApplication application;
};
std::unique_ptr<TestProgram> StartWindows();

// Shortens the script's pauses to a twentieth, for the runs whose timing
// doesn't matter.
void HurryProvisioning();

// The operator's choices on the main window: the model, the port counts
// (0 inputs is typed, not picked), the address, and "admin" and "secret" as
// the login and password.
void ChooseSetup(int model, int inputs, int outputs, const std::u16string& address = u"127.0.0.1");

}  // namespace vindel::testing
