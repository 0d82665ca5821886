#pragma once

#include <QApplication>
#include <memory>

#include "app/Application.h"
#include "common/MatrixSetup.h"
#include "settings/SettingsFile.h"
#include "ui/Diagram.h"
#include "ui/Telnet.h"

namespace vindel::testing {

// The program as it stands after start-up, for tests of the real windows:
// a fresh setup record and settings list, the application object, and both
// windows, the diagram window hidden. Destroying it destroys the windows.
inline std::unique_ptr<TApplication> StartWindows() {
    MatrixSetup = {};
    SettingsList.Clear();
    auto application = std::make_unique<TApplication>(*qApp);
    application->CreateForm(Form1);
    application->CreateForm(Form2);
    return application;
}

}  // namespace vindel::testing
