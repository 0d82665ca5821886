// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include "PrivateNetwork.h"

// Skips the test, or fails it where the set-up is required to work (see
// RealPeersRequired): a skip in CI would hide a broken set-up.
#define VINDEL_SKIP_OR_FAIL(why)                    \
    do {                                            \
        if (::vindel::testing::RealPeersRequired()) \
            FAIL() << (why);                        \
        GTEST_SKIP() << (why);                      \
    } while (false)
