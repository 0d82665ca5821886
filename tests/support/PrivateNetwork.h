// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace vindel::testing {

// Moves the calling thread, and every thread it starts afterwards, into a
// network namespace of its own and brings its loopback up (what `unshare -n`
// and `ip link set lo up` do). There nothing is reachable but what the test
// starts itself, and port 23 is free. Without root a user namespace comes
// with it, which needs a process that has no other thread yet.
// Returns an empty text on success, or else the reason it failed.
std::string EnterPrivateNetwork();

// Whether VINDEL_REQUIRE_REAL_PEERS=1 is set, as in CI as root: then a test
// that can't make its private network must fail instead of skipping.
bool RealPeersRequired();

}  // namespace vindel::testing
