// SPDX-License-Identifier: MIT
#pragma once

#include "ui/Control.h"

namespace vindel {

// A picture at its natural size, drawn from the control's top left corner
// and cut at the control's edges. Nothing changes it after it is made but
// showing and hiding it.
class Picture : public virtual Control {};

}  // namespace vindel
