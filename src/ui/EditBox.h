// SPDX-License-Identifier: MIT
#pragma once

#include "common/TextField.h"
#include "ui/Control.h"

namespace vindel {

// A one-line edit box. The settings file reads and fills it as a TextField.
// A password box (ControlKind::PasswordBox) shows one "*" per character.
class EditBox : public virtual Control, public TextField {};

}  // namespace vindel
