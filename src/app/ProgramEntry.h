#pragma once

#include <functional>

namespace vindel {

class TApplication;

// The program from start to end: the application object, the windows that
// `createForms` makes, the message loop, and shutdown. A failure on the way
// is shown in the error box. Returns the exit code, always 0. The arguments
// are not read, and the toolkit sees only the program's name.
int ProgramEntry(int argc, char** argv, const std::function<void(TApplication&)>& createForms);

}  // namespace vindel
