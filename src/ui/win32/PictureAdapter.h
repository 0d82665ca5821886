// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "ui/Picture.h"
#include "ui/WindowDescription.h"
#include "ui/win32/ControlAdapter.h"
#include "ui/win32/Picture.h"

namespace vindel::win32 {

class PictureAdapter final : public ControlAdapter<vindel::Picture, win32::Picture> {
  public:
    PictureAdapter(win32::Form& form, const ControlDescription& description);
};

}  // namespace vindel::win32
