// SPDX-License-Identifier: MIT
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <vector>

namespace vindel::testing {

// What a message box showed when it was accepted.
struct ShownBox {
    QString caption;
    QString text;
    Qt::TextFormat textFormat = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
};

// Presses the default button (else the first) of every modal message box
// that opens while this object lives, and keeps what each one showed. The
// program under test shows real boxes; this stands in for the operator.
class ModalBoxAcceptor final : public QObject {
  public:
    // `onBox` runs while the box is still open, before it is accepted.
    explicit ModalBoxAcceptor(std::function<void(const ShownBox&)> onBox = {});

    const std::vector<ShownBox>& boxes() const { return boxes_; }

  private:
    void Poll();

    QTimer timer_;
    std::function<void(const ShownBox&)> on_box_;
    std::vector<ShownBox> boxes_;
    // The box last pressed, until it is gone: the next box may reuse its address.
    QPointer<QMessageBox> pressed_;
};

}  // namespace vindel::testing
