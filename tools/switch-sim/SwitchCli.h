// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vindel {

// The switch's command line: the login, then the exec, config and interface
// modes with their prompts, and the question that guards the save command.
// It knows just the commands that Vindel types; anything else gets an error
// line, as on a switch, and changes nothing. Any login is accepted.
class SwitchCli final {
  public:
    enum class Mode { UserName, Password, Exec, Config, Interface, ConfirmSave, Closed };

    static constexpr std::string_view OverwriteQuestion =
        "Overwrite file [startup-config].... (Y/N)[N] ?";

    struct Output {
        std::string reply;               // echo, messages and prompts
        std::vector<std::string> lines;  // the lines completed by this text
    };

    explicit SwitchCli(std::string hostname = "switch") : hostname_(std::move(hostname)) {}

    // The greeting with the first prompt, "User Name:".
    std::string Start() const;
    // Takes typed text, Telnet commands already removed. A line ends with
    // CR LF, CR NUL, a bare CR (what a Telnet client sends once it knows it
    // talks to a Telnet server) or a bare LF. With `echo`, typed characters
    // are sent back, except those of the password.
    Output Feed(std::string_view text, bool echo);

    Mode CurrentMode() const { return mode_; }
    // After "exit" in the exec mode: the switch ends the session.
    bool Closed() const { return mode_ == Mode::Closed; }

  private:
    std::string Prompt() const;
    // What the switch answers to one whole line, prompt included.
    std::string Execute(const std::string& line);
    std::string ExecuteExec(const std::vector<std::string>& words);
    std::string ExecuteConfig(const std::vector<std::string>& words);
    std::string ExecuteInterface(const std::vector<std::string>& words);

    std::string hostname_;
    Mode mode_ = Mode::UserName;
    std::string line_;
    bool after_cr_ = false;
};

}  // namespace vindel
