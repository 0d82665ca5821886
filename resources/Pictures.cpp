// SPDX-License-Identifier: MIT
#include "resources/Pictures.h"

#include <QtGlobal>

// Q_INIT_RESOURCE names a function at global scope, so it is called from
// outside the vindel namespace.
static void InitVindelResources() {
    Q_INIT_RESOURCE(vindel);
}

namespace vindel {

QString PicturePath(std::u16string_view fileName) {
    return QStringLiteral(":/pictures/") +
           QString::fromUtf16(fileName.data(), static_cast<qsizetype>(fileName.size()));
}

void InitPictures() {
    InitVindelResources();
}

}  // namespace vindel
