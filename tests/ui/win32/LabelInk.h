// SPDX-License-Identifier: MIT
#pragma once

#include <utility>
#include <vector>

namespace vindel::win32 {
class Label;
}

namespace vindel::testing {

// Where a label drawn alone puts ink in its form's client area: the rows it
// spans and its runs of inked columns.
struct LabelInk final {
    int top = 0;
    int bottom = -1;
    std::vector<std::pair<int, int>> columns;  // first and last of each run

    explicit LabelInk(const win32::Label& label);
    // Whether the two share an inked pixel column on rows they share.
    bool Overlaps(const LabelInk& other) const;
};

}  // namespace vindel::testing
