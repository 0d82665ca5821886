// SPDX-License-Identifier: MIT
#include "SwitchCli.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <ctime>
#include <sstream>
#include <utility>

namespace vindel {
namespace {

constexpr std::string_view kNewLine = "\r\n";
// Error lines as SG300-series switches print them.
constexpr std::string_view kUnrecognized = "% Unrecognized command";
constexpr std::string_view kAmbiguous = "% Ambiguous command";
constexpr std::string_view kIncomplete = "% Incomplete command";
constexpr std::string_view kMissingParameter = "% missing mandatory parameter";
constexpr std::string_view kBadValue = "% bad parameter value";
constexpr std::string_view kWrongParameters =
    "% Wrong number of parameters or invalid range, size or characters entered";
// What a real switch prints for a port it lacks wasn't found in public
// sources; this is one of its real error lines, the one about a range.
constexpr std::string_view kNoSuchPort = kWrongParameters;

constexpr std::string_view kRunningConfig = "running-config";
constexpr std::string_view kStartupConfig = "startup-config";

enum class Action { Configure, Copy, Exit, End, Vlan, Interface, NativeVlan };
enum class Arg { None, VlanId, Port, File };

// One word of a command: a keyword, or an argument when `keyword` is empty.
struct Word {
    std::string_view keyword;
    Arg arg = Arg::None;
};

struct Command {
    std::vector<Word> words;
    Action action;
};

const std::vector<Command>& CommandsOf(SwitchCli::Mode mode) {
    using M = SwitchCli::Mode;
    static const std::vector<Command> user_exec = {
        {{{"exit"}}, Action::Exit},
        {{{"logout"}}, Action::Exit},
    };
    static const std::vector<Command> exec = {
        {{{"configure"}}, Action::Configure},
        {{{"configure"}, {"terminal"}}, Action::Configure},
        {{{"copy"}, {{}, Arg::File}, {{}, Arg::File}}, Action::Copy},
        {{{"exit"}}, Action::Exit},
        {{{"logout"}}, Action::Exit},
    };
    static const std::vector<Command> config = {
        {{{"vlan"}, {{}, Arg::VlanId}}, Action::Vlan},
        {{{"interface"}, {{}, Arg::Port}}, Action::Interface},
        {{{"exit"}}, Action::Exit},
        {{{"end"}}, Action::End},
    };
    static const std::vector<Command> interface = {
        {{{"switchport"}, {"trunk"}, {"native"}, {"vlan"}, {{}, Arg::VlanId}}, Action::NativeVlan},
        {{{"interface"}, {{}, Arg::Port}}, Action::Interface},
        {{{"exit"}}, Action::Exit},
        {{{"end"}}, Action::End},
    };
    static const std::vector<Command> none;
    switch (mode) {
        case M::UserExec:
            return user_exec;
        case M::Exec:
            return exec;
        case M::Config:
            return config;
        case M::Interface:
            return interface;
        default:
            return none;
    }
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(std::move(w));
    return words;
}

bool IsNumberIn(std::string_view text, int low, int high) {
    int n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    return error == std::errc() && end == text.data() + text.size() && n >= low && n <= high;
}

// The one command the words name, in unique abbreviations, or the error
// line that they draw instead.
struct Parsed {
    const Command* command = nullptr;
    std::string_view error;
};

Parsed Parse(const std::vector<Command>& commands, const std::vector<std::string>& words) {
    std::vector<const Command*> candidates;
    candidates.reserve(commands.size());
    for (const Command& c : commands)
        candidates.push_back(&c);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string typed = Lower(words[i]);
        std::erase_if(candidates, [i](const Command* c) { return c->words.size() <= i; });
        if (candidates.empty())
            return {nullptr, kWrongParameters};
        // The keywords the word can stand for; a whole keyword wins.
        std::vector<std::string_view> keywords;
        for (const Command* c : candidates) {
            const std::string_view k = c->words[i].keyword;
            if (!k.empty() && k.starts_with(typed) &&
                std::find(keywords.begin(), keywords.end(), k) == keywords.end())
                keywords.push_back(k);
        }
        if (const auto whole = std::find(keywords.begin(), keywords.end(), typed);
            whole != keywords.end())
            keywords = {*whole};
        if (keywords.size() > 1)
            return {nullptr, kAmbiguous};
        if (keywords.size() == 1) {
            std::erase_if(candidates, [&](const Command* c) {
                return c->words[i].keyword != keywords.front();
            });
            continue;
        }
        std::erase_if(candidates, [i](const Command* c) { return !c->words[i].keyword.empty(); });
        if (candidates.empty())
            return {nullptr, kUnrecognized};
    }
    for (const Command* c : candidates) {
        if (c->words.size() == words.size())
            return {c, {}};
    }
    if (candidates.empty())
        return {nullptr, kUnrecognized};
    const Word& next = candidates.front()->words[words.size()];
    return {nullptr, next.keyword.empty() ? kMissingParameter : kIncomplete};
}

// "running-config" or "startup-config", abbreviated; empty for anything else.
std::string_view FileName(const std::string& word) {
    const std::string typed = Lower(word);
    for (const std::string_view name : {kRunningConfig, kStartupConfig}) {
        if (!typed.empty() && name.starts_with(typed))
            return name;
    }
    return {};
}

std::string TimeStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%d-%b-%Y %H:%M:%S", &local);
    return text;
}

}  // namespace

SwitchCli::SwitchCli() : SwitchCli(Options{}) {}

SwitchCli::SwitchCli(Options options) : options_(std::move(options)) {}

std::optional<int> SwitchCli::ModelPorts(std::string_view model) {
    for (const auto& [name, ports] : {std::pair<std::string_view, int>{"SG300-10", 10},
                                      {"SG300-20", 20},
                                      {"SG300-28", 28},
                                      {"SG300-52", 52}}) {
        if (name == model)
            return ports;
    }
    return std::nullopt;
}

std::string SwitchCli::Start() const {
    return "\r\n\r\nUser Name:";
}

std::string SwitchCli::Prompt() const {
    std::string prompt = options_.erase_line ? "\x1b[K" + options_.hostname : options_.hostname;
    switch (mode_) {
        case Mode::UserExec:
            return prompt + ">";
        case Mode::Config:
            return prompt + "(config)#";
        case Mode::Interface:
            return prompt + "(config-if)#";
        default:
            return prompt + "#";
    }
}

SwitchCli::Output SwitchCli::Feed(std::string_view text, bool echo) {
    Output out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (Closed())
            break;
        if (mode_ == Mode::Saving) {
            typed_while_saving_ += text.substr(i);
            break;
        }
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
                if (echo)
                    out.reply += "\b \b";
            }
            continue;
        }
        line_.push_back(ch);
        if (echo)
            out.reply.push_back(mode_ == Mode::Password ? '*' : ch);
    }
    return out;
}

SwitchCli::Output SwitchCli::FinishSave(bool echo) {
    if (mode_ != Mode::Saving)
        return {};
    mode_ = Mode::Exec;
    const std::string answer = SaveAnswer();
    Output out = Feed(std::exchange(typed_while_saving_, {}), echo);
    out.reply.insert(0, answer);
    return out;
}

std::string SwitchCli::Execute(const std::string& line) {
    switch (mode_) {
        case Mode::UserName:
            user_typed_ = line;
            mode_ = Mode::Password;
            return "Password:";
        case Mode::Password:
            return Login(line);
        case Mode::ConfirmSave: {
            // [N] is the default: only a yes saves.
            const std::vector<std::string> words = Words(line);
            if (words.size() == 1 && Lower(words[0]) == "y") {
                mode_ = Mode::Saving;
                return {};
            }
            mode_ = Mode::Exec;
            return std::string(kNewLine) + Prompt();
        }
        case Mode::Saving:
        case Mode::Closed:
            return {};
        default:
            return ExecuteCommand(Words(line));
    }
}

std::string SwitchCli::Login(const std::string& password) {
    if (user_typed_ == options_.user && password == options_.password) {
        mode_ = options_.privilege >= 15 ? Mode::Exec : Mode::UserExec;
        return std::string(kNewLine) + Prompt();
    }
    if (++refused_ >= LoginTries) {
        mode_ = Mode::Closed;
        return "\r\nauthentication failed\r\n";
    }
    mode_ = Mode::UserName;
    return "\r\nUser Name:";
}

std::string SwitchCli::ExecuteCommand(const std::vector<std::string>& words) {
    if (words.empty())
        return Prompt();
    const Parsed parsed = Parse(CommandsOf(mode_), words);
    const auto error = [this](std::string_view line) {
        return std::string(line) + std::string(kNewLine) + Prompt();
    };
    if (parsed.command == nullptr)
        return error(parsed.error);
    switch (parsed.command->action) {
        case Action::Configure:
            mode_ = Mode::Config;
            break;
        case Action::Copy:
            if (FileName(words[1]).empty() || FileName(words[2]).empty())
                return error(kBadValue);
            // Only the save is simulated.
            if (FileName(words[1]) != kRunningConfig || FileName(words[2]) != kStartupConfig)
                return error(kBadValue);
            mode_ = Mode::ConfirmSave;
            return std::string(OverwriteQuestion);
        case Action::Exit:
            if (mode_ == Mode::Exec || mode_ == Mode::UserExec) {
                mode_ = Mode::Closed;
                return {};
            }
            mode_ = mode_ == Mode::Interface ? Mode::Config : Mode::Exec;
            break;
        case Action::End:
            mode_ = Mode::Exec;
            break;
        case Action::Vlan:
            if (!IsNumberIn(words[1], 1, 4094))
                return error(kBadValue);
            break;
        case Action::NativeVlan:
            if (!IsNumberIn(words[4], 1, 4094))
                return error(kBadValue);
            break;
        case Action::Interface: {
            // "gi11", or "gigabitethernet11" and the abbreviations between.
            const std::string port = Lower(words[1]);
            const std::size_t digits = port.find_first_of("0123456789");
            if (digits == 0 || digits == std::string::npos ||
                !std::string_view("gigabitethernet").starts_with(port.substr(0, digits)))
                return error(kBadValue);
            if (!IsNumberIn(std::string_view(port).substr(digits), 1, options_.ports))
                return error(kNoSuchPort);
            mode_ = Mode::Interface;
            break;
        }
    }
    return Prompt();
}

std::string SwitchCli::SaveAnswer() const {
    if (options_.save_reply == SaveReply::CopySucceeded)
        return "Copy succeeded\r\n" + Prompt();
    return TimeStamp() +
           " %COPY-I-FILECPY: Files Copy - source URL running-config destination URL "
           "flash://system/configuration/startup-config\r\n" +
           TimeStamp() + " %COPY-N-TRAP: The copy operation was completed successfully\r\n\r\n" +
           Prompt();
}

}  // namespace vindel
