// SPDX-License-Identifier: MIT
#include "ui/qt/StarPasswordStyle.h"

#include <QApplication>

namespace vindel::qt {

// A base style of its own, made by name: a proxy takes ownership of its base,
// so it can't be given the application's style object itself.
StarPasswordStyle::StarPasswordStyle(QObject* owner) : QProxyStyle(QApplication::style()->name()) {
    setParent(owner);
}

int StarPasswordStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                 QStyleHintReturn* returnData) const {
    if (hint == SH_LineEdit_PasswordCharacter)
        return '*';
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

}  // namespace vindel::qt
