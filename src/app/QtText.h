#pragma once

#include <QString>
#include <string_view>

namespace vindel {

// Vindel's texts are UTF-16, like QString, so this is a plain copy.
inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace vindel
