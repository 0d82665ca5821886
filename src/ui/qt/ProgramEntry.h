// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

namespace vindel {
class TApplication;
}

namespace vindel::qt {

// The program from start to end on Qt (RunProgram): the windows that
// `createForms` makes, the message loop, and shutdown. Returns the exit
// code, always 0. The arguments are not read, and Qt sees only the
// program's name.
int ProgramEntry(int argc, char** argv, const std::function<void(TApplication&)>& createForms);

}  // namespace vindel::qt
