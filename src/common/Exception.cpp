// SPDX-License-Identifier: MIT
#include "common/Exception.h"

#include "common/Text.h"

namespace vindel {

Exception::Exception(std::u16string message)
    : message_(std::move(message)), utf8_(ToUtf8(message_)) {}

}  // namespace vindel
