// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string_view>

namespace vindel::qt {

// Vindel's texts are UTF-16, like QString, so this is a plain copy.
inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// The names of windows and controls are ASCII.
inline QString ToQString(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace vindel::qt
