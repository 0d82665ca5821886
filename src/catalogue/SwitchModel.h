// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

namespace vindel {

// One supported switch model. The texts are views of literals that live for
// the whole run, so rows can be copied and compared freely.
struct SwitchModel {
    std::u16string_view ModelName;        // the Probox entry and the value stored in MatrixSetup
    std::int32_t PortCount = 0;           // ports the matrix may use: all but the control port
    std::u16string_view PortCountText;    // shown after "Maximum Input + Output ports:"
    std::u16string_view ControlPortText;  // the port reserved for the control computer
    // File name of the front-panel picture among the program's pictures. The
    // catalogue stays free of any picture library, so it names the picture and
    // the windows load it.
    std::u16string_view FrontPicture;
};

}  // namespace vindel
