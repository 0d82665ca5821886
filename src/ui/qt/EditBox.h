// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

#include "ui/EditBox.h"
#include "ui/WindowDescription.h"

namespace vindel::qt {

// A one-line edit box; a password box shows one "*" per character.
class EditBox final : public QLineEdit, public vindel::EditBox {
    Q_OBJECT

  public:
    EditBox(QWidget* parent, const ControlDescription& description);

    bool Visible() const override;
    void SetVisible(bool visible) override { setVisible(visible); }
    Bounds Geometry() const override;
    std::u16string Text() const override { return text().toStdU16String(); }
    void SetText(const std::u16string& text) override;
};

}  // namespace vindel::qt
