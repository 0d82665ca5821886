#pragma once

#include <filesystem>
#include <string>

#include "common/TextField.h"

namespace vindel::testing {

// A fresh, empty working directory for the life of the object; the previous
// one comes back afterwards. The settings file lives in the working
// directory, so every test that writes it stands in one of these.
class ScratchDirectory final {
  public:
    explicit ScratchDirectory(const std::filesystem::path& purpose);
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

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
