// SPDX-License-Identifier: MIT
#include "SwitchProfile.h"

namespace vindel {

std::optional<SwitchProfile> ParseSwitchProfile(std::string_view name) {
    for (const SwitchProfile p :
         {SwitchProfile::Silent, SwitchProfile::Negotiating, SwitchProfile::Slow}) {
        if (SwitchProfileName(p) == name)
            return p;
    }
    return std::nullopt;
}

std::string_view SwitchProfileName(SwitchProfile profile) {
    switch (profile) {
        case SwitchProfile::Silent:
            return "silent";
        case SwitchProfile::Negotiating:
            return "negotiating";
        case SwitchProfile::Slow:
            return "slow";
    }
    return "?";
}

}  // namespace vindel
