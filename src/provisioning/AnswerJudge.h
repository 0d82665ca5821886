// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vindel {

// What the switch's answers to a run show.
struct AnswerVerdict {
    enum class Kind {
        // Nothing to go on: the run counts as done, as it always has.
        None,
        // The switch asked for the login again, or gave up on it.
        LoginRefused,
        // An error line answered one of the typed lines.
        CommandRejected,
    };
    Kind kind = Kind::None;
    // For CommandRejected: the typed line (empty where the answer came to
    // the login or password) and the error line, as the switch wrote it.
    std::u16string command;
    std::u16string answer;

    // The error box's text for an installer; empty for None.
    std::u16string Text() const;
};

// Reads what an SG300-series switch sent during a run, knowing the lines
// typed into it (login, password, then the commands), and says whether it
// refused the login or rejected a command. No input or output of its own.
class AnswerJudge final {
  public:
    explicit AnswerJudge(std::vector<std::u16string> typed) : typed_(std::move(typed)) {}

    AnswerVerdict Judge(std::u16string_view answers) const;

  private:
    std::vector<std::u16string> typed_;
};

}  // namespace vindel
