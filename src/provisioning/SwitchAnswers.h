// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vindel {

// What the switch has said during one run, as text, in memory only: never
// written anywhere, and forgotten when the next run starts. A run's answers
// come to some 10 KiB even with 51 ports; past the bound only the beginning
// is kept, where the login and the first error stand, so a peer that floods
// can't push them out.
class SwitchAnswers final {
  public:
    static constexpr std::size_t kMostKept = std::size_t{64} * 1024;

    void Append(std::u16string_view text);
    void Clear();
    std::u16string_view Text() const { return text_; }

  private:
    std::u16string text_;
};

}  // namespace vindel
