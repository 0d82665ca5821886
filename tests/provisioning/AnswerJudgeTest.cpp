// SPDX-License-Identifier: MIT
#include "provisioning/AnswerJudge.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Text.h"
#include "provisioning/SwitchAnswers.h"

namespace vindel {
namespace {

using Kind = AnswerVerdict::Kind;

// The lines of a run with one input and one output on port 11.
const std::vector<std::u16string> kTyped = {u"admin",
                                            u"secret",
                                            u"config",
                                            u"vlan 2",
                                            u"interface gi1",
                                            u"switchport trunk native vlan 2",
                                            u"interface gi11",
                                            u"switchport trunk native vlan 2",
                                            u"exit",
                                            u"exit",
                                            u"copy running-config startup-config",
                                            u"Y",
                                            u"config"};

// The switch's side of that run, with its echo: the prompt and the typed
// line on one line, then what the line drew, each line ended by `end`.
std::string Session(const std::vector<std::string>& answers, const std::string& end = "\r\n",
                    const std::string& beforePrompt = "") {
    const std::string host = "switch7f3a21";
    const std::vector<std::string> prompts = {"#",
                                              "(config)#",
                                              "(config)#",
                                              "(config-if)#",
                                              "(config-if)#",
                                              "(config-if)#",
                                              "(config-if)#",
                                              "(config)#",
                                              "#"};
    std::string text = end + end + "User Name:admin" + end + "Password:******" + end;
    for (std::size_t i = 0; i < prompts.size(); ++i) {
        text += beforePrompt + host + prompts[i] + ToUtf8(kTyped[2 + i]) + end;
        if (i < answers.size())
            text += answers[i];
    }
    return text + "Overwrite file [startup-config].... (Y/N)[N] ?Y" + end;
}

const std::string kCopySucceeded = "Copy succeeded\r\nswitch7f3a21#config\r\nswitch7f3a21(config)#";
const std::string kCopyLogLines =
    "06-Oct-2020 22:08:31 %COPY-I-FILECPY: Files Copy - source URL running-config destination "
    "URL flash://system/configuration/startup-config\n\r"
    "06-Oct-2020 22:08:33 %COPY-N-TRAP: The copy operation was completed successfully\n\r\n\r"
    "\x1b[Kswitch7f3a21#config\n\r\x1b[Kswitch7f3a21(config)#";
const std::string kWrongParameters =
    "% Wrong number of parameters or invalid range, size or characters entered\r\n";
const std::string kRefusedLogin = "\r\n\r\nUser Name:admin\r\nPassword:*****\r\n\r\nUser Name:";

TEST(AnswerJudgeTest, JudgesTranscriptsOfRealSwitchesAndOtherPeers) {
    struct Case {
        const char* name;
        std::string answers;
        Kind kind;
        std::u16string text;
    };
    const std::u16string refused =
        u"The switch refused the login name or password, so nothing was set up. Correct them "
        u"and press \"Connect\" again";
    const Case cases[] = {
        {"saved, older firmware", Session({}) + kCopySucceeded, Kind::None, u""},
        {"saved, newer firmware: log lines, LF CR, erase-line escapes",
         Session({}, "\n\r", "\x1b[K") + kCopyLogLines, Kind::None, u""},
        {"log lines with no time stamp",
         Session({"%LINK-W-Down:  gi1\r\n"}) + "%LINK-I-Up:  gi1\r\n" + kCopySucceeded, Kind::None,
         u""},
        {"a silent peer", "", Kind::None, u""},
        {"a wrong password: asked again", kRefusedLogin + "config\r\nPassword:******\r\n",
         Kind::LoginRefused, refused},
        {"three wrong passwords, then the close",
         kRefusedLogin + "config\r\nPassword:******\r\n\r\nUser Name:interface gi1\r\n"
                         "Password:******************************\r\n\r\nauthentication failed\r\n",
         Kind::LoginRefused, refused},
        {"given up at once", "\r\n\r\nUser Name:admin\r\nPassword:*****\r\nAuthentication failed",
         Kind::LoginRefused, refused},
        {"an account without privilege",
         "\r\n\r\nUser Name:admin\r\nPassword:******\r\n\x1b[Kswitch7f3a21>config\r\n"
         "% Unrecognized command\r\n\x1b[Kswitch7f3a21>vlan 2\r\n% Unrecognized command\r\n",
         Kind::CommandRejected,
         u"The switch rejected the command \"config\" with \"% Unrecognized command\", so it is "
         u"not set up as chosen"},
        {"a port the model lacks",
         Session({"", "", "", "", kWrongParameters, kWrongParameters}) + kCopySucceeded,
         Kind::CommandRejected,
         u"The switch rejected the command \"interface gi11\" with \"% Wrong number of "
         u"parameters or invalid range, size or characters entered\", so it is not set up as "
         u"chosen"},
        {"a port the model lacks, with no echo and no line ends",
         "\r\n\r\nUser Name:Password:\r\nswitch7f3a21#switch7f3a21(config)#"
         "switch7f3a21(config)#switch7f3a21(config-if)#switch7f3a21(config-if)#"
         "% bad parameter value\r\nswitch7f3a21(config-if)#",
         Kind::CommandRejected,
         u"The switch rejected the command \"interface gi11\" with \"% bad parameter value\", so "
         u"it is not set up as chosen"},
        {"an error at the login",
         "\r\n\r\nUser Name:admin\r\n% Incomplete command\r\nPassword:", Kind::CommandRejected,
         u"The switch answered \"% Incomplete command\" while Vindel logged in, so it is not set "
         u"up as chosen"},
        {"a Linux login",
         "\r\nDebian GNU/Linux 12\r\nhost login: admin\r\nPassword: \r\n\r\nLogin incorrect\r\n"
         "host login: config\r\nPassword: \r\n% Unrecognized command\r\n",
         Kind::None, u""},
    };
    const AnswerJudge judge(kTyped);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AnswerVerdict verdict =
            judge.Judge(std::u16string(c.answers.begin(), c.answers.end()));
        EXPECT_EQ(verdict.kind, c.kind);
        EXPECT_EQ(ToUtf8(verdict.Text()), ToUtf8(c.text));
    }
}

TEST(AnswerJudgeTest, KeepsTheBeginningOfAFlood) {
    SwitchAnswers answers;
    answers.Append(u"User Name:");
    answers.Append(std::u16string(SwitchAnswers::kMostKept, u'x'));
    answers.Append(u"% Unrecognized command");
    ASSERT_EQ(answers.Text().size(), SwitchAnswers::kMostKept);
    EXPECT_TRUE(answers.Text().starts_with(u"User Name:x"));
    answers.Clear();
    EXPECT_TRUE(answers.Text().empty());
}

}  // namespace
}  // namespace vindel
