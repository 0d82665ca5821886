// SPDX-License-Identifier: MIT
#pragma once

#include <fstream>
#include <string>

#include "settings/SettingsFile.h"

namespace vindel::testing {

// The first line of the settings file in the working directory, with the CR
// of its CR LF: "0\r" until the setup is complete, "1\r" after. Empty when
// there is no file.
inline std::string FirstLineOfSettings() {
    std::ifstream in(kSettingsFileName, std::ios::binary);
    std::string line;
    std::getline(in, line);
    return line;
}

}  // namespace vindel::testing
