#pragma once

#include <QApplication>
#include <QTest>
#include <chrono>
#include <memory>
#include <utility>

#include "Driving.h"
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

// Shortens the script's pauses to a twentieth, for the runs whose timing
// doesn't matter.
inline void HurryProvisioning() {
    Form1->ProvisioningSleep = [](std::chrono::milliseconds pause) { SleepFor(pause / 20); };
}

// The operator's choices on the main window: the model, the port counts
// (0 inputs is typed, not picked), the address, and "admin" and "secret" as
// the login and password.
inline void ChooseSetup(int model, int inputs, int outputs, const QString& address = "127.0.0.1") {
    PickEntry(*Form1->Probox, model);
    if (inputs > 0) {
        PickEntry(*Form1->In_box, inputs - 1);
    } else {
        QTest::keyClicks(Form1->In_box, "0");
    }
    if (outputs > 0)
        PickEntry(*Form1->outbox, outputs - 1);
    for (auto [edit, text] : {std::pair{Form1->Edit1, address},
                              {Form1->Edit2, QString("admin")},
                              {Form1->Edit3, QString("secret")}}) {
        edit->clear();
        QTest::keyClicks(edit, text);
    }
}

}  // namespace vindel::testing
