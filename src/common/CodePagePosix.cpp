// SPDX-License-Identifier: MIT
#include "common/CodePage.h"

#include "common/Windows1252.h"

namespace vindel {

// Without an ANSI code page of the system's, Vindel's is Windows-1252,
// converted as Windows converts it, so that a file and what is typed are the
// same bytes on either platform.
std::string ToAnsi(std::u16string_view text) {
    return ToWindows1252(text);
}

std::u16string FromAnsi(std::string_view bytes) {
    return FromWindows1252(bytes);
}

}  // namespace vindel
