// SPDX-License-Identifier: MIT
#include "ui/win32/ComboBoxAdapter.h"

#include "ui/win32/DesignOf.h"

namespace vindel::win32 {
namespace {

ComboDesign ComboDesignOf(const ControlDescription& d) {
    return {BoundsOf(d.bounds), TypefaceOf(d.font), ColourOf(d.colour)};
}

}  // namespace

ComboBoxAdapter::ComboBoxAdapter(win32::Form& form, const ControlDescription& description)
    : ControlAdapter(form, ComboDesignOf(description)) {}

}  // namespace vindel::win32
