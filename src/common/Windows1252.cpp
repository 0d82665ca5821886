// SPDX-License-Identifier: MIT
#include "common/Windows1252.h"

#include <array>
#include <cstdint>

namespace vindel {
namespace {

// Bytes 0x80 to 0x9F of Windows-1252.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct Run {
    char16_t first;
    char16_t last;
    std::uint8_t byte;
};

// The platform's conversion of every code unit, generated under wine by
// tools/best-fit.
constexpr Run kRuns[] = {
#include "common/Windows1252BestFit.inc"
};

// One byte per code unit, looked up directly; built while compiling.
constexpr std::array<char, 0x10000> kEncoding = [] {
    std::array<char, 0x10000> table{};
    table.fill('?');
    for (const Run& run : kRuns) {
        for (unsigned unit = run.first; unit <= run.last; ++unit)
            table[unit] = static_cast<char>(run.byte + (unit - run.first));
    }
    return table;
}();

}  // namespace

std::string ToWindows1252(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char16_t unit : text)
        out.push_back(kEncoding[unit]);
    return out;
}

std::u16string FromWindows1252(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto b = static_cast<std::uint8_t>(byte);
        out.push_back(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t{b});
    }
    return out;
}

}  // namespace vindel
