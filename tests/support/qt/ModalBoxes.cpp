// SPDX-License-Identifier: MIT
#include "qt/ModalBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>

namespace vindel::testing {

ModalBoxAcceptor::ModalBoxAcceptor(std::function<void(const ShownBox&)> onBox)
    : on_box_(std::move(onBox)) {
    connect(&timer_, &QTimer::timeout, this, &ModalBoxAcceptor::Poll);
    timer_.start(5);
}

void ModalBoxAcceptor::Poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible() || box == pressed_)
        return;
    pressed_ = box;
    ShownBox shown;
    shown.caption = box->windowTitle();
    shown.text = box->text();
    shown.textFormat = box->textFormat();
    shown.icon = box->icon();
    for (QAbstractButton* button : box->buttons())
        shown.buttons << button->text();
    if (box->defaultButton() != nullptr)
        shown.defaultButton = box->defaultButton()->text();
    boxes_.push_back(shown);
    if (on_box_)
        on_box_(shown);
    QAbstractButton* press =
        box->defaultButton() != nullptr ? box->defaultButton() : box->buttons().value(0);
    if (press != nullptr)
        press->click();
}

}  // namespace vindel::testing
