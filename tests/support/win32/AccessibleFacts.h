// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace vindel::testing {

// What assistive technology reads of a window through Microsoft Active
// Accessibility: the name, value and state of its client object.
struct AccessibleFacts final {
    std::optional<std::u16string> name;
    // None for a protected (password) field, whose value is never asked for.
    std::optional<std::u16string> value;
    bool isProtected = false;
    bool invisible = false;
};

// The window's client object, as AccessibleObjectFromWindow gives it; none
// where the window gives none.
std::optional<AccessibleFacts> ReadAccessible(HWND window);

}  // namespace vindel::testing
