// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

#include "catalogue/SwitchModels.h"
#include "ui/WindowDescription.h"

namespace vindel {

// The fonts, colours and pictures both windows are designed with, so that
// their descriptions read alike and can't drift apart.
constexpr FontDescription kSentence{u"Calibri", 19};
constexpr FontDescription kValue{u"Calibri", 19, FontStyle::Bold};
constexpr FontDescription kTitle{u"Calibri", 19, FontStyle::BoldItalic};
constexpr FontDescription kButtonFont{u"Calibri", 15, FontStyle::Bold};

constexpr TextColour kBlack = TextColour::Black;
constexpr TextColour kYellow = TextColour::Yellow;

// A picture control takes its picture's size, or is cut at its own.
constexpr bool kNaturalSize = true;
constexpr bool kFixedSize = false;

// The front picture of the model at that catalogue position.
constexpr std::u16string_view Front(std::size_t model) {
    return SwitchModels[model].FrontPicture;
}

}  // namespace vindel
