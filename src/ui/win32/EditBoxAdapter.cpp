// SPDX-License-Identifier: MIT
#include "ui/win32/EditBoxAdapter.h"

#include "ui/win32/DesignOf.h"

namespace vindel::win32 {
namespace {

EditDesign EditDesignOf(const ControlDescription& d) {
    return {BoundsOf(d.bounds), std::u16string(d.text), TypefaceOf(d.font), ColourOf(d.colour),
            d.kind == ControlKind::PasswordBox ? EditKind::Password : EditKind::Plain};
}

}  // namespace

EditBoxAdapter::EditBoxAdapter(win32::Form& form, const ControlDescription& description)
    : ControlAdapter(form, EditDesignOf(description)) {}

}  // namespace vindel::win32
