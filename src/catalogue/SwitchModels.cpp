// SPDX-License-Identifier: MIT
#include "catalogue/SwitchModels.h"

#include <algorithm>

namespace vindel {

const SwitchModel* FindModelByIndex(int index) {
    if (index < 0 || index >= static_cast<int>(SwitchModels.size())) {
        return nullptr;
    }
    return &SwitchModels[static_cast<std::size_t>(index)];
}

const SwitchModel* FindModelByName(std::u16string_view name) {
    const auto row = std::ranges::find(SwitchModels, name, &SwitchModel::ModelName);
    return row == SwitchModels.end() ? nullptr : &*row;
}

}  // namespace vindel
