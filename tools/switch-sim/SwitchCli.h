// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vindel {

// The switch's command line as SG300-series switches show it: the login
// with its three tries, the exec, config and interface modes with their
// prompts ("switch7f3a21#", "(config)#", "(config-if)#", and ">" for an
// account without privilege), commands in unique abbreviations, only the
// ports of the model, and the question that guards the save. It knows the
// commands that Vindel types and a few around them; anything else gets an
// error line, as on a switch, and changes nothing.
class SwitchCli final {
  public:
    enum class Mode {
        UserName,
        Password,
        UserExec,
        Exec,
        Config,
        Interface,
        ConfirmSave,
        // After "Y", until FinishSave: what is typed meanwhile waits.
        Saving,
        Closed
    };

    // How the save is answered after "Y": older firmware says "Copy
    // succeeded", newer firmware writes its %COPY log lines.
    enum class SaveReply { CopySucceeded, LogLines };

    struct Options {
        std::string hostname = "switch7f3a21";
        std::string user = "admin";
        std::string password = "secret";
        // 15 may configure; anything less gets the ">" prompt, where no
        // configuration command exists.
        int privilege = 15;
        // The model's ports, gi1 to gi<ports>.
        int ports = 52;
        SaveReply save_reply = SaveReply::CopySucceeded;
        // An erase-line escape (ESC [ K) before each command-line prompt.
        bool erase_line = false;
    };

    static constexpr std::string_view OverwriteQuestion =
        "Overwrite file [startup-config].... (Y/N)[N] ?";
    // How long the save takes after "Y".
    static constexpr std::chrono::milliseconds SaveTime{1000};
    // How many refused logins the switch takes before it closes.
    static constexpr int LoginTries = 3;

    struct Output {
        std::string reply;               // echo, messages and prompts
        std::vector<std::string> lines;  // the lines completed by this text
    };

    // "SG300-10" and the others: their number of ports; nothing for an
    // unknown model.
    static std::optional<int> ModelPorts(std::string_view model);

    SwitchCli();
    explicit SwitchCli(Options options);

    // The greeting with the first prompt, "User Name:".
    std::string Start() const;
    // Takes typed text, Telnet commands already removed. A line ends with
    // CR LF, CR NUL, a bare CR (what a Telnet client sends once it knows it
    // talks to a Telnet server) or a bare LF. With `echo`, typed characters
    // are sent back, those of the password as "*".
    // While saving, the text waits, unechoed, for FinishSave.
    Output Feed(std::string_view text, bool echo);
    // Ends the save (SaveTime after "Y"): its answer, then what was typed
    // meanwhile, taken as Feed takes it.
    Output FinishSave(bool echo);

    Mode CurrentMode() const { return mode_; }
    // After "exit" in an exec mode, or the last refused login: the switch
    // ends the session.
    bool Closed() const { return mode_ == Mode::Closed; }

  private:
    std::string Prompt() const;
    // What the switch answers to one whole line, prompt included.
    std::string Execute(const std::string& line);
    std::string Login(const std::string& password);
    std::string ExecuteCommand(const std::vector<std::string>& words);
    std::string SaveAnswer() const;

    Options options_;
    Mode mode_ = Mode::UserName;
    std::string line_;
    std::string typed_while_saving_;
    std::string user_typed_;
    int refused_ = 0;
    bool after_cr_ = false;
};

}  // namespace vindel
