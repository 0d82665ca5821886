// SPDX-License-Identifier: MIT
#include "ui/win32/PictureAdapter.h"

#include "ui/win32/DesignOf.h"

namespace vindel::win32 {
namespace {

PictureDesign PictureDesignOf(const ControlDescription& d) {
    PictureDesign design;
    design.resource = PictureResourceName(d.picture);
    design.left = d.bounds.left;
    design.top = d.bounds.top;
    if (!d.autoSize)
        design.size = SIZE{d.bounds.width, d.bounds.height};
    return design;
}

}  // namespace

PictureAdapter::PictureAdapter(win32::Form& form, const ControlDescription& description)
    : ControlAdapter(form, PictureDesignOf(description)) {}

}  // namespace vindel::win32
