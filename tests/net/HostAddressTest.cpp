// SPDX-License-Identifier: MIT
#include "net/HostAddress.h"

#include <gtest/gtest.h>

#include <optional>

#include "common/Text.h"

namespace vindel {
namespace {

// Which Host texts are used without a lookup, and as what address. Only the
// pure rules are tested here: a lookup would send to the machine's resolver.
TEST(HostAddress, DottedQuadAndLocalhostNeedNoLookup) {
    struct Case {
        const char16_t* host;
        std::optional<std::uint32_t> address;
    };
    const Case cases[] = {
        {u"192.168.1.254", 0xC0A801FE},
        {u"0.0.0.0", 0x00000000},
        {u"255.255.255.255", 0xFFFFFFFF},
        {u"010.1.1.1", 0x0A010101},  // decimal, leading zeros and all
        {u"LOCALHOST", 0x7F000001},
        {u"localhost", 0x7F000001},
        {u"LocalHost", 0x7F000001},
        // Names to be looked up.
        {u"127.0.0.256", std::nullopt},
        {u"1.2.3", std::nullopt},
        {u"1.2.3.4.5", std::nullopt},
        {u"1..2.3", std::nullopt},
        {u"1.2.3.", std::nullopt},
        {u" 1.2.3.4", std::nullopt},
        {u"1.2.3.4 ", std::nullopt},
        {u"-1.2.3.4", std::nullopt},
        {u"99999999999.1.1.1", std::nullopt},
        {u"switch.example", std::nullopt},
        {u"localhost.", std::nullopt},
        {u"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LiteralIPv4(c.host), c.address) << ToUtf8(c.host);
}

}  // namespace
}  // namespace vindel
