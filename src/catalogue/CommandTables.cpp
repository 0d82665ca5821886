// SPDX-License-Identifier: MIT
#include "catalogue/CommandTables.h"

#include "catalogue/PortNumberTexts.h"
#include "common/Text.h"

namespace vindel {
namespace {

// A table whose slot i reads prefix followed by i + first.
template <std::size_t Slots>
std::array<std::u16string, Slots> Numbered(std::u16string_view prefix, long long first) {
    std::array<std::u16string, Slots> table;
    for (std::size_t i = 0; i < Slots; ++i) {
        table[i] = std::u16string(prefix) + DecimalText(static_cast<long long>(i) + first);
    }
    return table;
}

}  // namespace

// Built on first use, once, and only read afterwards.
const std::array<std::u16string, kInterfaceSlots>& InterfaceCommands() {
    static const auto table = Numbered<kInterfaceSlots>(u"interface gi", 1);
    return table;
}

const std::array<std::u16string, kVlanSlots>& VlanCommands() {
    static const auto table = Numbered<kVlanSlots>(u"vlan ", 2);
    return table;
}

const std::array<std::u16string, kVlanSlots>& NativeVlanCommands() {
    static const auto table = Numbered<kVlanSlots>(u"switchport trunk native vlan ", 2);
    return table;
}

void BuildTables() {
    PortNumberTexts();
    InterfaceCommands();
    VlanCommands();
    NativeVlanCommands();
}

}  // namespace vindel
