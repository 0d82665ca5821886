// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>

// The switch's command-line texts that provisioning types, exactly as the
// switch expects them. Each line typed is followed by one carriage return,
// which the typing adds; no text here holds a line end.
namespace vindel {

// One slot per switch port the matrix can use, and one VLAN per input.
inline constexpr std::size_t kInterfaceSlots = 51;
inline constexpr std::size_t kVlanSlots = 50;

// Slot i: "interface gi" and i + 1, for switch ports 1 to 51.
const std::array<std::u16string, kInterfaceSlots>& InterfaceCommands();
// Slot i: "vlan " and i + 2, for VLANs 2 to 51.
const std::array<std::u16string, kVlanSlots>& VlanCommands();
// Slot i: "switchport trunk native vlan " and i + 2, for VLANs 2 to 51, so
// that every input, the 50th included, gets its own VLAN.
const std::array<std::u16string, kVlanSlots>& NativeVlanCommands();

// Builds the tables and the count texts now, once, so that nothing is built
// while the script types. The program calls it at start-up.
void BuildTables();

inline constexpr std::u16string_view ConfigCommand = u"config";
inline constexpr std::u16string_view ExitCommand = u"exit";
inline constexpr std::u16string_view SaveConfigCommand = u"copy running-config startup-config";
inline constexpr std::u16string_view ConfirmAnswer = u"Y";

}  // namespace vindel
