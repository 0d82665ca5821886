// SPDX-License-Identifier: MIT
#include "catalogue/CommandTables.h"

#include <gtest/gtest.h>

namespace vindel {
namespace {

TEST(CommandTables, SlotsReadTheSwitchsCommands) {
    EXPECT_EQ(InterfaceCommands()[0], u"interface gi1");
    EXPECT_EQ(InterfaceCommands()[9], u"interface gi10");
    EXPECT_EQ(InterfaceCommands()[50], u"interface gi51");
    EXPECT_EQ(VlanCommands()[0], u"vlan 2");
    EXPECT_EQ(VlanCommands()[8], u"vlan 10");
    EXPECT_EQ(VlanCommands()[49], u"vlan 51");
    EXPECT_EQ(NativeVlanCommands()[0], u"switchport trunk native vlan 2");
    EXPECT_EQ(NativeVlanCommands()[48], u"switchport trunk native vlan 50");
    // The 50th input gets its own VLAN like every other input.
    EXPECT_EQ(NativeVlanCommands()[49], u"switchport trunk native vlan 51");
    EXPECT_EQ(SaveConfigCommand.size(), 34u);
}

}  // namespace
}  // namespace vindel
