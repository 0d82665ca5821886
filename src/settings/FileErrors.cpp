// SPDX-License-Identifier: MIT
#include "settings/FileErrors.h"

#include "common/Exception.h"
#include "common/Text.h"
#include "settings/FileAccess.h"

namespace vindel {

std::u16string TrimDescription(std::u16string description) {
    while (!description.empty() && (description.back() == u' ' || description.back() == u'\r' ||
                                    description.back() == u'\n' || description.back() == u'.')) {
        description.pop_back();
    }
    return description;
}

void RaiseCreateError(const std::string& name, const std::u16string& description) {
    throw EFCreateError(u"Cannot create file \"" + FromUtf8(FullPath(name)) + u"\". " +
                        TrimDescription(description));
}

void RaiseOpenError(const std::string& name, const std::u16string& description) {
    throw EFOpenError(u"Cannot open file \"" + FromUtf8(FullPath(name)) + u"\". " +
                      TrimDescription(description));
}

void RaiseTooLarge(const std::string& name) {
    RaiseOpenError(name, u"File too large for a settings file");
}

void RaiseWriteError() {
    throw EWriteError(u"Stream write error");
}

}  // namespace vindel
