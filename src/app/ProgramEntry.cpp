#include "app/ProgramEntry.h"

#include <QApplication>

#include "app/Application.h"
#include "common/Exception.h"

namespace vindel {

int ProgramEntry(int argc, char** argv, const std::function<void(TApplication&)>& createForms) {
    QApplication qt(argc, argv);
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
