// SPDX-License-Identifier: MIT
#include "ProgramWindows.h"

#include "Driving.h"
#include "common/MatrixSetup.h"
#include "provisioning/Provisioning.h"
#include "settings/SettingsFile.h"
#include "ui/Program.h"
#include "ui/Telnet.h"

namespace vindel::testing {
namespace {

// Before anything else of the program is made.
std::unique_ptr<Toolkit> FreshStart() {
    MatrixSetup = {};
    SettingsList.Clear();
    return MakeToolkit();
}

}  // namespace

TestProgram::TestProgram() : toolkit(FreshStart()), application(*toolkit) {}

std::unique_ptr<TestProgram> StartWindows() {
    auto program = std::make_unique<TestProgram>();
    CreateWindows(program->application);
    return program;
}

void HurryProvisioning() {
    Form1->ProvisioningSleep = [](std::chrono::milliseconds pause) { SleepFor(pause / 20); };
}

void ChooseSetup(int model, int inputs, int outputs, const std::u16string& address) {
    PickEntry(*Form1->Probox, model);
    if (inputs > 0) {
        PickEntry(*Form1->In_box, inputs - 1);
    } else {
        Type(*Form1->In_box, u"0");
    }
    if (outputs > 0)
        PickEntry(*Form1->outbox, outputs - 1);
    for (auto [edit, text] :
         {std::pair{Form1->Edit1, address}, {Form1->Edit2, u"admin"}, {Form1->Edit3, u"secret"}}) {
        edit->SetText(u"");
        Type(*edit, text);
    }
}

}  // namespace vindel::testing
