// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>

#include "common/TextField.h"

namespace vindel::testing {

// An edit box's text without a window.
class FakeTextField final : public TextField {
  public:
    explicit FakeTextField(std::u16string text = {}) : text_(std::move(text)) {}
    std::u16string Text() const override { return text_; }
    void SetText(const std::u16string& text) override { text_ = text; }

  private:
    std::u16string text_;
};

}  // namespace vindel::testing
