// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "ui/WindowDescription.h"
#include "ui/win32/Win32Toolkit.h"

namespace vindel::testing {

// The windows as the program designs them, without their controls.
inline constexpr FormDescription kMainForm{
    "Form1", u"Vindel", {200, 0, 969, 669}, {u"Tahoma", 11}, {}};
inline constexpr FormDescription kDiagramForm{
    "Form2", u"Vindel", {200, 50, 924, 429}, {u"Tahoma", 11}, {}};
inline constexpr FontDescription kCalibri19{u"Calibri", 19};
inline constexpr FontDescription kCalibri15{u"Calibri", 15};

// Rows of descriptions for the controls a test makes by themselves.
constexpr ControlDescription LabelAt(Bounds at, std::u16string_view caption,
                                     FontDescription font = kCalibri19,
                                     TextColour colour = TextColour::Black) {
    return LabelControl("Label", at, caption, font, colour);
}
// The pictures of the test program: "SG300-10.png" and "banner.bmp". With
// a width and height the picture is cut at them; without, it takes its own.
constexpr ControlDescription PictureAt(Bounds at, std::u16string_view picture) {
    return PictureControl("Picture", at, picture, at.width == 0 && at.height == 0);
}
constexpr ControlDescription InputAt(ControlKind kind, Bounds at, std::u16string_view text = u"",
                                     FontDescription font = kCalibri15,
                                     std::u16string_view accessibleName = u"") {
    return InputControl(kind, "Input", at, text, font, TextColour::Black, -1, accessibleName);
}

// A toolkit per test, its main window shown as an ordinary window.
class ToolkitTest : public ::testing::Test {
  protected:
    win32::Win32Toolkit toolkit_{SW_SHOWNORMAL};
};

}  // namespace vindel::testing
