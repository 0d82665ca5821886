// SPDX-License-Identifier: MIT
#include "provisioning/AnswerJudge.h"

#include <algorithm>

namespace vindel {
namespace {

constexpr std::u16string_view kUserNamePrompt = u"User Name:";
constexpr std::u16string_view kPasswordPrompt = u"Password:";
constexpr std::u16string_view kQuestionMark = u"(Y/N)";
constexpr std::u16string_view kGaveUp = u"authentication failed";
// An error line longer than this is cut in the box.
constexpr std::size_t kMostQuoted = 160;

constexpr char16_t kEscape = 0x1B;

bool IsLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool IsLetterOrDigit(char16_t c) {
    return IsLetter(c) || (c >= u'0' && c <= u'9');
}

// The text without terminal escapes (ESC [ ... and a final letter, or ESC and
// one character) and without the other control characters but the line ends.
std::u16string Cleaned(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == kEscape) {
            if (i + 1 < text.size() && text[i + 1] == u'[') {
                i += 2;
                while (i < text.size() && !(text[i] >= 0x40 && text[i] <= 0x7E))
                    ++i;
            } else {
                ++i;
            }
            continue;
        }
        if (c < 0x20 && c != u'\r' && c != u'\n')
            continue;
        out.push_back(c);
    }
    return out;
}

// The length of a command-line prompt at the start of `line`: the host
// name, an optional mode in brackets, then "#" or ">" ("switch7f3a21#",
// "switch7f3a21(config-if)#"); 0 if there is none.
std::size_t CliPromptLength(std::u16string_view line) {
    if (line.empty() || !IsLetterOrDigit(line[0]))
        return 0;
    std::size_t i = 0;
    while (i < line.size() &&
           (IsLetterOrDigit(line[i]) || line[i] == u'-' || line[i] == u'_' || line[i] == u'.'))
        ++i;
    if (i < line.size() && line[i] == u'(') {
        ++i;
        while (i < line.size() && (IsLetterOrDigit(line[i]) || line[i] == u'-'))
            ++i;
        if (i >= line.size() || line[i] != u')')
            return 0;
        ++i;
    }
    if (i < line.size() && (line[i] == u'#' || line[i] == u'>'))
        return i + 1;
    return 0;
}

// The length of the save question at the start of `line`, up to its "?".
std::size_t QuestionLength(std::u16string_view line) {
    const std::size_t mark = line.find(kQuestionMark);
    if (mark == std::u16string_view::npos)
        return 0;
    const std::size_t end = line.find(u'?', mark + kQuestionMark.size());
    return end == std::u16string_view::npos ? 0 : end + 1;
}

bool IsErrorLine(std::u16string_view rest) {
    return rest.size() >= 3 && rest[0] == u'%' && rest[1] == u' ' && IsLetter(rest[2]);
}

bool StartsWithGaveUp(std::u16string_view rest) {
    while (!rest.empty() && rest.front() == u' ')
        rest.remove_prefix(1);
    if (rest.size() < kGaveUp.size())
        return false;
    return std::equal(kGaveUp.begin(), kGaveUp.end(), rest.begin(), [](char16_t a, char16_t b) {
        return a == (b >= u'A' && b <= u'Z' ? static_cast<char16_t>(b - u'A' + u'a') : b);
    });
}

std::u16string Quoted(std::u16string_view line) {
    while (!line.empty() && line.back() == u' ')
        line.remove_suffix(1);
    std::u16string text(line.substr(0, kMostQuoted));
    if (line.size() > kMostQuoted)
        text += u"...";
    return text;
}

}  // namespace

std::u16string AnswerVerdict::Text() const {
    switch (kind) {
        case Kind::None:
            break;
        case Kind::LoginRefused:
            return u"The switch refused the login name or password, so nothing was set up. "
                   u"Correct them and press \"Connect\" again";
        case Kind::CommandRejected:
            if (command.empty()) {
                return u"The switch answered \"" + answer +
                       u"\" while Vindel logged in, so it is not set up as chosen";
            }
            return u"The switch rejected the command \"" + command + u"\" with \"" + answer +
                   u"\", so it is not set up as chosen";
    }
    return {};
}

// Only a peer that has asked "User Name:" is taken for a switch. From there
// every typed line draws exactly one prompt ("User Name:", "Password:", the
// command-line prompt or the save question), so counting prompts tells which
// line an error line answers; "User Name:" after "Password:", or
// "authentication failed", means the login was refused. The first of these
// signs decides; log lines ("... %COPY-...") have no "% " and a word at the
// start of the line, and so are no errors.
AnswerVerdict AnswerJudge::Judge(std::u16string_view answers) const {
    const std::u16string text = Cleaned(answers);
    bool isSwitch = false;
    bool passwordAsked = false;
    std::size_t prompts = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of(u"\r\n", start);
        if (end == std::u16string::npos)
            end = text.size();
        std::u16string_view rest(text.data() + start, end - start);
        start = end + 1;

        bool loginPrompt = false;
        for (;;) {
            if (rest.starts_with(kUserNamePrompt)) {
                if (passwordAsked)
                    return {AnswerVerdict::Kind::LoginRefused, {}, {}};
                isSwitch = true;
                loginPrompt = true;
                ++prompts;
                rest.remove_prefix(kUserNamePrompt.size());
                continue;
            }
            if (!isSwitch)
                break;
            if (rest.starts_with(kPasswordPrompt)) {
                passwordAsked = true;
                loginPrompt = true;
                ++prompts;
                rest.remove_prefix(kPasswordPrompt.size());
                continue;
            }
            std::size_t length = CliPromptLength(rest);
            if (length == 0)
                length = QuestionLength(rest);
            if (length == 0)
                break;
            ++prompts;
            rest.remove_prefix(length);
        }
        // What follows a login prompt is the echo of the name or password.
        if (!isSwitch || loginPrompt)
            continue;
        if (StartsWithGaveUp(rest))
            return {AnswerVerdict::Kind::LoginRefused, {}, {}};
        if (IsErrorLine(rest)) {
            // Line 0 is the login and line 1 the password, which is never shown.
            std::u16string command;
            if (prompts >= 3 && prompts - 1 < typed_.size())
                command = typed_[prompts - 1];
            return {AnswerVerdict::Kind::CommandRejected, std::move(command), Quoted(rest)};
        }
    }
    return {};
}

}  // namespace vindel
