// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <span>
#include <string>

namespace vindel {

// "1" to "60": entry k reads k + 1, so a count box filled from the front of
// this table converts a chosen position back to a count by adding one.
const std::array<std::u16string, 60>& PortNumberTexts();

// The first n entries, the choices of a count box that offers n counts;
// empty for n <= 0, all 60 for larger n.
std::span<const std::u16string> FirstPortNumberTexts(int n);

}  // namespace vindel
