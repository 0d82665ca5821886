// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>
#include <functional>

#include "ui/Button.h"
#include "ui/WindowDescription.h"

namespace vindel::qt {

// A push button.
class Button final : public QPushButton, public vindel::Button {
    Q_OBJECT

  public:
    Button(QWidget* parent, const ControlDescription& description);

    bool Visible() const override;
    void SetVisible(bool visible) override { setVisible(visible); }
    Bounds Geometry() const override;
    std::u16string Caption() const override { return text().toStdU16String(); }
    void SetOnClick(std::function<void()> handler) override { on_click_ = std::move(handler); }
    void Click() override { click(); }

  private:
    std::function<void()> on_click_;
};

}  // namespace vindel::qt
