// SPDX-License-Identifier: MIT
#include "catalogue/PortNumberTexts.h"

#include "common/Text.h"

#include <algorithm>
#include <cstddef>

namespace vindel {

const std::array<std::u16string, 60>& PortNumberTexts() {
    // Built on first use rather than at static initialisation, so that callers
    // in other translation units' initialisers are safe too.
    static const std::array<std::u16string, 60> texts = [] {
        std::array<std::u16string, 60> built;
        for (std::size_t k = 0; k < built.size(); ++k) {
            built[k] = DecimalText(static_cast<long long>(k) + 1);
        }
        return built;
    }();
    return texts;
}

std::span<const std::u16string> FirstPortNumberTexts(int n) {
    const auto& texts = PortNumberTexts();
    const auto count = static_cast<std::size_t>(std::clamp(n, 0, static_cast<int>(texts.size())));
    return std::span<const std::u16string>(texts).first(count);
}

}  // namespace vindel
