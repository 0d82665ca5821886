// SPDX-License-Identifier: MIT
#include "ui/Program.h"

#include "common/Exception.h"
#include "ui/Application.h"
#include "ui/Diagram.h"
#include "ui/Telnet.h"

namespace vindel {

int RunProgram(Toolkit& toolkit, const std::function<void(TApplication&)>& createForms) {
    TApplication application(toolkit);
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

void CreateWindows(TApplication& application) {
    application.CreateForm(Form1);
    application.CreateForm(Form2);
}

}  // namespace vindel
