#pragma once

#include <QLineEdit>

#include "common/TextField.h"

namespace vindel {

// An edit box seen by the settings file as a text it can read and fill.
class LineEditText final : public TextField {
  public:
    explicit LineEditText(QLineEdit& edit) : edit_(edit) {}
    std::u16string Text() const override { return edit_.text().toStdU16String(); }
    void SetText(const std::u16string& text) override {
        edit_.setText(QString::fromStdU16String(text));
    }

  private:
    QLineEdit& edit_;
};

}  // namespace vindel
