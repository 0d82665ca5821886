// SPDX-License-Identifier: MIT
#include "ui/Title.h"

#include <algorithm>
#include <iterator>

namespace vindel {
namespace {

struct LowerCaseRun {
    char32_t first;
    char32_t last;
    long delta;
    char32_t stride;
};

constexpr LowerCaseRun kLowerCaseRuns[] = {
#include "ui/SimpleLowerCase.inc"
};

// Unicode's simple lower case of one character: Cyrillic and Greek as much
// as Latin, one character for one. I with dot above, whose full lower case
// is two characters, gives "i".
char32_t LowerCase(char32_t code) {
    if (code == 0x0130)
        return U'i';
    const auto* after =
        std::upper_bound(std::begin(kLowerCaseRuns), std::end(kLowerCaseRuns), code,
                         [](char32_t value, const LowerCaseRun& run) { return value < run.first; });
    if (after == std::begin(kLowerCaseRuns))
        return code;
    const LowerCaseRun& run = *std::prev(after);
    if (code > run.last || (code - run.first) % run.stride != 0)
        return code;
    return static_cast<char32_t>(static_cast<long>(code) + run.delta);
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Every letter in lower case, so the title keeps its length; a character
// outside the basic plane is one pair of code units.
std::u16string LowerCase(std::u16string_view text) {
    std::u16string lower;
    lower.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            code =
                0x10000 + ((char32_t(text[i]) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
            ++i;
        }
        code = LowerCase(code);
        if (code >= 0x10000) {
            lower.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
            lower.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
        } else {
            lower.push_back(static_cast<char16_t>(code));
        }
    }
    return lower;
}

}  // namespace

std::u16string TitleFromProgramPath(std::u16string_view path) {
    // Windows paths use backslashes, ours slashes; either ends a folder.
    const std::size_t slash = path.find_last_of(u"/\\");
    std::u16string_view name = slash == std::u16string_view::npos ? path : path.substr(slash + 1);
    name = name.substr(0, name.find(u'.'));
    // The first character stays as it is, a pair of code units included.
    std::size_t first = name.empty() ? 0 : 1;
    if (first < name.size() && IsHighSurrogate(name[0]) && IsLowSurrogate(name[1]))
        first = 2;
    return std::u16string(name.substr(0, first)) + LowerCase(name.substr(first));
}

}  // namespace vindel
