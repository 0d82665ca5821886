// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

namespace vindel {

// How the simulated switch behaves on the Telnet level.
enum class SwitchProfile {
    // No option negotiation at all: plain text both ways, no echo.
    Silent,
    // Opens with WILL ECHO, WILL SUPPRESS-GO-AHEAD, DO TERMINAL-TYPE and a
    // TERMINAL-TYPE SEND, and echoes what is typed.
    Negotiating,
    // Like Negotiating, but everything it sends leaves only after a delay.
    Slow,
};

// "silent", "negotiating" and "slow"; nothing for any other name.
std::optional<SwitchProfile> ParseSwitchProfile(std::string_view name);
std::string_view SwitchProfileName(SwitchProfile profile);

}  // namespace vindel
