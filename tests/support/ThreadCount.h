// SPDX-License-Identifier: MIT
#pragma once

namespace vindel::testing {

// Threads of this process, for waiting until a receiving thread has ended or
// checking that none was left behind.
int ThreadCount();

}  // namespace vindel::testing
