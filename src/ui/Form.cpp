// SPDX-License-Identifier: MIT
#include "ui/Form.h"

#include "ui/HandlerGuard.h"

namespace vindel {

void Form::RunActivation() {
    if (on_activate_)
        RunGuarded(on_activate_);
}

bool Form::AllowsClose() {
    if (!on_close_)
        return true;
    bool close = true;
    RunGuarded([&] { close = on_close_(); });
    return close;
}

}  // namespace vindel
