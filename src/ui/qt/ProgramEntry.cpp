// SPDX-License-Identifier: MIT
#include "ui/qt/ProgramEntry.h"

#include <QApplication>

#include "ui/Program.h"
#include "ui/qt/QtToolkit.h"

namespace vindel::qt {

int ProgramEntry(int argc, char** argv, const std::function<void(TApplication&)>& createForms) {
    // Vindel reads nothing from its command line, and neither may the
    // toolkit: its own options (-style, -reverse, -qwindowtitle, ...) would
    // change the windows. It gets the program's name alone.
    char fallbackName[] = "Vindel";
    char* programName = argc > 0 && argv[0] != nullptr ? argv[0] : fallbackName;
    int toolkitArgc = 1;
    char* toolkitArgv[] = {programName, nullptr};
    QApplication qt(toolkitArgc, toolkitArgv);
    QtToolkit toolkit(qt);
    return RunProgram(toolkit, createForms);
}

}  // namespace vindel::qt
