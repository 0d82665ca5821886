// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Exception.h"
#include "ui/win32/Form.h"
#include "ui/win32/Shell.h"
#include "ui/win32/Typeface.h"

namespace vindel::win32::testing {

// The windows as the program designs them.
inline const FormDesign kMainDesign{u"Vindel", 200, 0, 969, 669};
inline const FormDesign kDiagramDesign{u"Vindel", 200, 50, 924, 429};
inline const Typeface kCalibri19{FontFamily::Calibri, 19, FontStyle::Regular};
inline const Typeface kCalibri15{FontFamily::Calibri, 15, FontStyle::Regular};

// A shell per test; failures that escape a handler are kept, not shown.
class ToolkitTest : public ::testing::Test {
  protected:
    ToolkitTest() {
        shell_.SetTitle(u"Vindel");
        shell_.SetFailureHandler([this](std::exception_ptr failure) {
            try {
                std::rethrow_exception(failure);
            } catch (const Exception& e) {
                failures_.push_back(e.Message());
            }
        });
    }

    Shell shell_;
    std::vector<std::u16string> failures_;
};

}  // namespace vindel::win32::testing
