// SPDX-License-Identifier: MIT
#include "SwitchCli.h"

#include <charconv>
#include <initializer_list>
#include <sstream>
#include <utility>

namespace vindel {
namespace {

constexpr std::string_view kNewLine = "\r\n";
constexpr std::string_view kUnrecognized = "% Unrecognized command\r\n";
constexpr std::string_view kBadVlan = "% VLAN ID must be between 1 and 4094\r\n";

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(std::move(w));
    return words;
}

bool IsVlanId(const std::string& text) {
    int id = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
    return error == std::errc() && end == text.data() + text.size() && id >= 1 && id <= 4094;
}

bool Is(const std::vector<std::string>& words, std::initializer_list<std::string_view> expected) {
    if (words.size() != expected.size())
        return false;
    auto w = words.begin();
    for (const std::string_view e : expected) {
        if (*w++ != e)
            return false;
    }
    return true;
}

}  // namespace

std::string SwitchCli::Start() const {
    return "\r\n\r\nUser Name:";
}

std::string SwitchCli::Prompt() const {
    switch (mode_) {
        case Mode::Config:
            return hostname_ + "(config)#";
        case Mode::Interface:
            return hostname_ + "(config-if)#";
        default:
            return hostname_ + "#";
    }
}

SwitchCli::Output SwitchCli::Feed(std::string_view text, bool echo) {
    Output out;
    for (const char ch : text) {
        if (Closed())
            break;
        if (after_cr_) {
            after_cr_ = false;
            if (ch == '\n' || ch == '\0')
                continue;  // the second half of CR LF or CR NUL
        }
        if (ch == '\r' || ch == '\n') {
            after_cr_ = ch == '\r';
            // The line end is echoed even for the password, or the next
            // prompt would stand on the password's line.
            if (echo)
                out.reply += kNewLine;
            out.lines.push_back(line_);
            out.reply += Execute(std::exchange(line_, {}));
            continue;
        }
        if (ch == '\0')
            continue;
        if (ch == '\b' || ch == '\x7f') {
            if (!line_.empty()) {
                line_.pop_back();
                if (echo && mode_ != Mode::Password)
                    out.reply += "\b \b";
            }
            continue;
        }
        line_.push_back(ch);
        if (echo && mode_ != Mode::Password)
            out.reply.push_back(ch);
    }
    return out;
}

std::string SwitchCli::Execute(const std::string& line) {
    const std::vector<std::string> words = Words(line);
    switch (mode_) {
        case Mode::UserName:
            mode_ = Mode::Password;
            return "Password:";
        case Mode::Password:
            mode_ = Mode::Exec;
            return std::string(kNewLine) + Prompt();
        case Mode::Exec:
            return ExecuteExec(words);
        case Mode::Config:
            return ExecuteConfig(words);
        case Mode::Interface:
            return ExecuteInterface(words);
        case Mode::ConfirmSave:
            mode_ = Mode::Exec;
            // [N] is the default: only a yes saves.
            if (Is(words, {"Y"}) || Is(words, {"y"}))
                return "\r\nCopy succeeded\r\n" + Prompt();
            return "\r\nCopy aborted\r\n" + Prompt();
        case Mode::Closed:
            break;
    }
    return {};
}

std::string SwitchCli::ExecuteExec(const std::vector<std::string>& words) {
    if (Is(words, {"config"}) || Is(words, {"configure"}) || Is(words, {"configure", "terminal"}))
        mode_ = Mode::Config;
    else if (Is(words, {"copy", "running-config", "startup-config"})) {
        mode_ = Mode::ConfirmSave;
        return std::string(OverwriteQuestion);
    } else if (Is(words, {"exit"}) || Is(words, {"logout"})) {
        mode_ = Mode::Closed;
        return {};
    } else if (!words.empty())
        return std::string(kUnrecognized) + Prompt();
    return Prompt();
}

std::string SwitchCli::ExecuteConfig(const std::vector<std::string>& words) {
    if (words.size() == 2 && words[0] == "vlan") {
        if (!IsVlanId(words[1]))
            return std::string(kBadVlan) + Prompt();
    } else if (words.size() == 2 && words[0] == "interface")
        mode_ = Mode::Interface;
    else if (Is(words, {"exit"}) || Is(words, {"end"}))
        mode_ = Mode::Exec;
    else if (!words.empty())
        return std::string(kUnrecognized) + Prompt();
    return Prompt();
}

std::string SwitchCli::ExecuteInterface(const std::vector<std::string>& words) {
    if (words.size() == 5 &&
        Is({words.begin(), words.end() - 1}, {"switchport", "trunk", "native", "vlan"})) {
        if (!IsVlanId(words[4]))
            return std::string(kBadVlan) + Prompt();
    } else if (words.size() == 2 && words[0] == "interface") {
        // Another interface, straight from this mode, as switches allow.
    } else if (Is(words, {"exit"}))
        mode_ = Mode::Config;
    else if (Is(words, {"end"}))
        mode_ = Mode::Exec;
    else if (!words.empty())
        return std::string(kUnrecognized) + Prompt();
    return Prompt();
}

}  // namespace vindel
