// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

namespace vindel::qt {

// The style of the password box: it shows one "*" per character, where the
// application's style would show its own bullet. Everything else is drawn as
// the application's style draws it.
class StarPasswordStyle final : public QProxyStyle {
    Q_OBJECT

  public:
    // The style belongs to owner, normally the box that it is set on.
    explicit StarPasswordStyle(QObject* owner);

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
};

}  // namespace vindel::qt
