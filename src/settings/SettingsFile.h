// SPDX-License-Identifier: MIT
#pragma once

#include "common/TextField.h"
#include "settings/LineList.h"

// The settings file "Vindel.ini": 160 lines in the working directory that
// keep the operator's last setup between runs.
namespace vindel {

inline constexpr char kSettingsFileName[] = "Vindel.ini";

// The lines of the settings file as last loaded (and marked).
extern LineList SettingsList;

// Fills the three boxes from lines 5 to 7 of the file, if it exists. Each box
// is set as soon as its line is read, so a short file leaves the earlier ones
// set.
void ReadSettingsFile(TextField& Edit1, TextField& Edit2, TextField& Edit3);

// Takes address, login and password from the boxes into MatrixSetup and
// writes a new 160-line file from MatrixSetup.
void WriteNewSettingsFile(const TextField& Edit1, const TextField& Edit2, const TextField& Edit3);

// Fills MatrixSetup from lines 1 to 7 of the file, if it exists, field by
// field, so a bad line leaves the fields before it assigned.
void LoadMatrixSetup();

// Sets line 1 to "1" and writes the lines back.
void MarkSetupComplete();

}  // namespace vindel
