#pragma once

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

}  // namespace vindel::testing
