// SPDX-License-Identifier: MIT
#include "Transcript.h"

#include <cstdio>

#include "TelnetCommandFilter.h"

namespace vindel {
namespace {

std::string Stamp(const ReceivedChunk& chunk) {
    char text[32];
    std::snprintf(text, sizeof text, "%8.3f s  ",
                  static_cast<double>(chunk.SinceConnect().count()) / 1000.0);
    return text;
}

std::string OptionName(unsigned char option) {
    switch (option) {
        case 1:
            return "ECHO";
        case 3:
            return "SUPPRESS-GO-AHEAD";
        case 24:
            return "TERMINAL-TYPE";
        case 31:
            return "NAWS";
        default:
            return "option " + std::to_string(option);
    }
}

std::string Describe(const TelnetCommand& command) {
    using F = TelnetCommandFilter;
    switch (command.verb) {
        case F::WILL:
            return "WILL " + OptionName(command.option);
        case F::WONT:
            return "WONT " + OptionName(command.option);
        case F::DO:
            return "DO " + OptionName(command.option);
        case F::DONT:
            return "DONT " + OptionName(command.option);
        default:
            break;
    }
    std::string text = "SB " + OptionName(command.option);
    if (command.option == 24 && !command.data.empty() && command.data[0] == 0) {
        return text + " IS \"" + command.data.substr(1) + "\"";
    }
    return text + " (" + std::to_string(command.data.size()) + " bytes)";
}

// Collects one connection's typed lines.
class ConnectionLines final {
  public:
    void Feed(const ReceivedChunk& chunk, std::string& out) {
        const auto result = filter_.Feed(chunk.bytes);
        for (const TelnetCommand& command : result.commands) {
            out += Stamp(chunk) + "[telnet] " + Describe(command) + "\n";
        }
        for (const char ch : result.text) {
            if (after_cr_ && (ch == '\n' || ch == '\0')) {
                after_cr_ = false;
                continue;
            }
            after_cr_ = ch == '\r';
            if (ch == '\r' || ch == '\n') {
                EndLine(chunk, out);
            } else {
                line_ += ch;
            }
        }
    }
    void Flush(std::string& out, const ReceivedChunk& last) {
        if (!line_.empty())
            EndLine(last, out);
    }

  private:
    void EndLine(const ReceivedChunk& chunk, std::string& out) {
        // The switch asks for the user name, then the password.
        const bool password = lines_ == 1;
        out += Stamp(chunk) + "> " + (password ? std::string(line_.size(), '*') : line_) +
               (password ? "   (password, masked)" : "") + "\n";
        line_.clear();
        ++lines_;
    }

    TelnetCommandFilter filter_;
    std::string line_;
    bool after_cr_ = false;
    unsigned lines_ = 0;
};

}  // namespace

std::string Transcript(const std::vector<ReceivedChunk>& record) {
    std::string out;
    ConnectionLines lines;
    const ReceivedChunk* previous = nullptr;
    for (const ReceivedChunk& chunk : record) {
        if (previous == nullptr || chunk.connection != previous->connection) {
            if (previous != nullptr)
                lines.Flush(out, *previous);
            lines = ConnectionLines();
            out += "Connection " + std::to_string(chunk.connection) + "\n";
        }
        lines.Feed(chunk, out);
        previous = &chunk;
    }
    if (previous != nullptr)
        lines.Flush(out, *previous);
    return out;
}

}  // namespace vindel
