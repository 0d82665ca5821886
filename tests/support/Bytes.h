// SPDX-License-Identifier: MIT
#pragma once

#include <initializer_list>
#include <string>

namespace vindel::testing {

// The bytes of a Telnet exchange as numbers, B({0xFF, 0xFD, 1}) for IAC DO
// ECHO: a name this short keeps the tables of them readable.
inline std::string B(std::initializer_list<int> bytes) {
    std::string s;
    for (const int b : bytes)
        s.push_back(static_cast<char>(b));
    return s;
}

}  // namespace vindel::testing
