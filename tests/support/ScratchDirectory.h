// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

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

}  // namespace vindel::testing
