// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace vindel {

// The operator's one setup: chosen in the main window, stored in the settings
// file, read back before provisioning and shown by the diagram window.
struct TMatrixSetup {
    std::u16string ModelName;    // one of the four model names, or empty
    std::int32_t PortCount = 0;  // matrix ports of the chosen model; not stored in the file
    std::int32_t InputCount = 0;
    std::int32_t OutputCount = 0;
    std::u16string HostAddress;
    std::u16string LoginName;
    std::u16string LoginPassword;
    std::int32_t SetupFlag = 0;  // line 1 of the settings file; converted, never acted on
};

// The program's one setup record, for the whole run.
extern TMatrixSetup MatrixSetup;

}  // namespace vindel
