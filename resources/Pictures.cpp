#include "resources/Pictures.h"

#include <QtGlobal>

// Q_INIT_RESOURCE names a function at global scope, so it is called from
// outside the vindel namespace.
static void InitVindelResources() {
    Q_INIT_RESOURCE(vindel);
}

namespace vindel {

QString FrontPicturePath(std::u16string_view frontPicture) {
    return QStringLiteral(":/pictures/") +
           QString::fromUtf16(frontPicture.data(), static_cast<qsizetype>(frontPicture.size()));
}

void InitPictures() {
    InitVindelResources();
}

}  // namespace vindel
