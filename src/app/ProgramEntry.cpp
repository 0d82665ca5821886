#include "app/ProgramEntry.h"

#include <QApplication>

#include "app/Application.h"
#include "common/Exception.h"

namespace vindel {

int ProgramEntry(int argc, char** argv, const std::function<void(TApplication&)>& createForms) {
    // Vindel reads nothing from its command line, and neither may the
    // toolkit: its own options (-style, -reverse, -qwindowtitle, ...) would
    // change the windows. It gets the program's name alone.
    char fallbackName[] = "Vindel";
    char* programName = argc > 0 && argv[0] != nullptr ? argv[0] : fallbackName;
    int toolkitArgc = 1;
    char* toolkitArgv[] = {programName, nullptr};
    QApplication qt(toolkitArgc, toolkitArgv);
    TApplication application(qt);
    try {
        application.Initialize();
        application.MainFormOnTaskBar = true;
        createForms(application);
        application.Run();
    } catch (const Exception& failure) {
        application.ShowException(failure);
    } catch (...) {
        application.ShowException(Exception(u""));
    }
    return 0;
}

}  // namespace vindel
