// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

namespace vindel {

class TApplication;
class Toolkit;

// The program from start to end on a toolkit: the application object, the
// windows that `createForms` makes, the message loop, and shutdown. A failure
// on the way is shown in the error box. Returns the exit code, always 0.
int RunProgram(Toolkit& toolkit, const std::function<void(TApplication&)>& createForms);

// Vindel's windows, in their order: the main window Form1, then the diagram
// window Form2.
void CreateWindows(TApplication& application);

}  // namespace vindel
