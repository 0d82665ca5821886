// SPDX-License-Identifier: MIT
#include "settings/SettingsFile.h"

#include "common/MatrixSetup.h"
#include "common/Text.h"
#include "settings/FileAccess.h"
#include "settings/TextToInteger.h"

namespace vindel {

LineList SettingsList;

namespace {

// Lines 8 to 160 are carried along for the switch ports; nothing reads them.
constexpr int kSpareLines = 51;

}  // namespace

void ReadSettingsFile(TextField& Edit1, TextField& Edit2, TextField& Edit3) {
    if (!FileIsPresent(kSettingsFileName))
        return;
    SettingsList.LoadFromFile(kSettingsFileName);
    Edit1.SetText(SettingsList.Get(4));
    Edit2.SetText(SettingsList.Get(5));
    Edit3.SetText(SettingsList.Get(6));
}

void WriteNewSettingsFile(const TextField& Edit1, const TextField& Edit2, const TextField& Edit3) {
    MatrixSetup.HostAddress = Edit1.Text();
    MatrixSetup.LoginName = Edit2.Text();
    MatrixSetup.LoginPassword = Edit3.Text();

    LineList lines;
    lines.Add(u"0");
    lines.Add(MatrixSetup.ModelName);
    lines.Add(DecimalText(MatrixSetup.InputCount));
    lines.Add(DecimalText(MatrixSetup.OutputCount));
    lines.Add(MatrixSetup.HostAddress);
    lines.Add(MatrixSetup.LoginName);
    lines.Add(MatrixSetup.LoginPassword);
    for (int k = 1; k <= kSpareLines; ++k)
        lines.Add(u"0");
    for (int k = 1; k <= kSpareLines; ++k)
        lines.Add(u"Output" + DecimalText(k));
    for (int k = 1; k <= kSpareLines; ++k)
        lines.Add(u"Input" + DecimalText(k));
    lines.SaveToFile(kSettingsFileName);
}

void LoadMatrixSetup() {
    if (!FileIsPresent(kSettingsFileName))
        return;
    SettingsList.LoadFromFile(kSettingsFileName);
    MatrixSetup.SetupFlag = TextToInteger(SettingsList.Get(0));
    MatrixSetup.ModelName = SettingsList.Get(1);
    MatrixSetup.InputCount = TextToInteger(SettingsList.Get(2));
    MatrixSetup.OutputCount = TextToInteger(SettingsList.Get(3));
    MatrixSetup.HostAddress = SettingsList.Get(4);
    MatrixSetup.LoginName = SettingsList.Get(5);
    MatrixSetup.LoginPassword = SettingsList.Get(6);
}

void MarkSetupComplete() {
    SettingsList.Insert(0, u"1");
    SettingsList.Delete(1);
    SettingsList.SaveToFile(kSettingsFileName);
}

}  // namespace vindel
