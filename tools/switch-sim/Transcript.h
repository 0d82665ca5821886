// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "ReceivedChunk.h"

namespace vindel {

// What the switch received, for a person to read: per connection, each typed
// line and each Telnet command with its time since the connect. The second
// line of a connection answers "Password:" and is shown masked.
std::string Transcript(const std::vector<ReceivedChunk>& record);

}  // namespace vindel
