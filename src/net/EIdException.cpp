// SPDX-License-Identifier: MIT
#include "net/EIdException.h"

namespace vindel {

EIdSocketError::EIdSocketError(int code, std::u16string message)
    : EIdException(std::move(message)), code_(code) {}

}  // namespace vindel
