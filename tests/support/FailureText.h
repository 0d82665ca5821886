// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <source_location>
#include <string>

namespace vindel::testing {

// The message of the failure of kind Kind that the action raises, or
// "no failure" when it raises none; another kind goes on to the test.
template <typename Kind, typename Action>
std::u16string FailureText(Action&& action) {
    try {
        action();
    } catch (const Kind& e) {
        return e.Message();
    }
    return u"no failure";
}

// For a failure that carries more than its message (a socket failure's code,
// a system error's code, its exact kind): hands the failure of kind Kind that
// the action raises to `check`, or fails the test at the caller's line when it
// raises none; another kind goes on to the test.
template <typename Kind, typename Action, typename Check>
void ExpectFailure(Action&& action, Check&& check,
                   const std::source_location where = std::source_location::current()) {
    try {
        action();
    } catch (const Kind& e) {
        check(e);
        return;
    }
    ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line())) << "no failure";
}

}  // namespace vindel::testing
