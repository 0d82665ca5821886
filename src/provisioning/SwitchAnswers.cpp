// SPDX-License-Identifier: MIT
#include "provisioning/SwitchAnswers.h"

#include <algorithm>

namespace vindel {

void SwitchAnswers::Append(std::u16string_view text) {
    text_.append(text.substr(0, kMostKept - std::min(kMostKept, text_.size())));
}

void SwitchAnswers::Clear() {
    // Its memory is given back too: a new run starts from nothing.
    std::u16string().swap(text_);
}

}  // namespace vindel
