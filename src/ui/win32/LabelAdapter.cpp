// SPDX-License-Identifier: MIT
#include "ui/win32/LabelAdapter.h"

#include "ui/win32/DesignOf.h"

namespace vindel::win32 {
namespace {

LabelDesign LabelDesignOf(const ControlDescription& d) {
    return {d.bounds.left, d.bounds.top, std::u16string(d.text), TypefaceOf(d.font),
            ColourOf(d.colour)};
}

}  // namespace

LabelAdapter::LabelAdapter(win32::Form& form, const ControlDescription& description)
    : ControlAdapter(form, LabelDesignOf(description)) {}

}  // namespace vindel::win32
