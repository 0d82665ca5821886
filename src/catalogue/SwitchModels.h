// SPDX-License-Identifier: MIT
#pragma once

#include "catalogue/SwitchModel.h"

#include <array>
#include <string_view>

namespace vindel {

// The four supported models, in the order of the Probox entries; the diagram
// window also tries names in this order.
inline constexpr std::array<SwitchModel, 4> SwitchModels{{
    {u"SG300-10", 9, u"9  Port", u"Port G10", u"SG300-10.png"},
    {u"SG300-20", 19, u"19  Port", u"Port G20", u"SG300-20.png"},
    {u"SG300-28", 27, u"27  Port", u"Port G28", u"SG300-28.png"},
    {u"SG300-52", 51, u"51  Port", u"Port G52", u"SG300-52.png"},
}};

// The row at a Probox index, or nullptr outside 0 to 3 (-1 is a box with no
// selection), in which case the caller leaves its model-dependent state alone.
const SwitchModel* FindModelByIndex(int index);

// The first row whose ModelName equals name exactly (case and length
// included), or nullptr.
const SwitchModel* FindModelByName(std::u16string_view name);

}  // namespace vindel
