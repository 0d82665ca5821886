// SPDX-License-Identifier: MIT
#include "SwitchCli.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace vindel {
namespace {

using Mode = SwitchCli::Mode;

// The lines Vindel types for one input and one output, with the answers a
// switch gives, and what it does with the mistakes an operator could make.
TEST(SwitchCliTest, FollowsTheModesAndPromptsOfAProvisioningRun) {
    struct Step {
        std::string typed;
        std::string reply_ends_with;
        Mode mode;
    };
    const std::string question(SwitchCli::OverwriteQuestion);
    const Step steps[] = {
        {"admin", "Password:", Mode::Password},
        {"secret", "******\r\n\r\nswitch7f3a21#", Mode::Exec},
        {"", "switch7f3a21#", Mode::Exec},
        {"config", "switch7f3a21(config)#", Mode::Config},
        {"vlan 2", "switch7f3a21(config)#", Mode::Config},
        {"vlan 4095", "% bad parameter value\r\nswitch7f3a21(config)#", Mode::Config},
        {"interface gi1", "switch7f3a21(config-if)#", Mode::Interface},
        {"switchport trunk native vlan 2", "switch7f3a21(config-if)#", Mode::Interface},
        {"", "switch7f3a21(config-if)#", Mode::Interface},  // Vindel's line for a 50th input
        {"interface gi52", "switch7f3a21(config-if)#", Mode::Interface},
        {"vlan 3", "% Unrecognized command\r\nswitch7f3a21(config-if)#", Mode::Interface},
        {"exit", "switch7f3a21(config)#", Mode::Config},
        {"exit", "switch7f3a21#", Mode::Exec},
        {"copy running-config startup-config", question, Mode::ConfirmSave},
        {"Y", "Y\r\n", Mode::Saving},  // the answer comes with FinishSave
        {"copy running-config startup-config", question, Mode::ConfirmSave},
        {"", "\r\n\r\nswitch7f3a21#", Mode::Exec},  // [N] is the default: an empty line
        {"config", "switch7f3a21(config)#", Mode::Config},
        {"copy running-config startup-config", "% Unrecognized command\r\nswitch7f3a21(config)#",
         Mode::Config},
        {"end", "switch7f3a21#", Mode::Exec},
        {"exit", "", Mode::Closed},
    };
    SwitchCli cli;
    EXPECT_TRUE(cli.Start().ends_with("User Name:"));
    for (const Step& step : steps) {
        SCOPED_TRACE("typed \"" + step.typed + "\"");
        const SwitchCli::Output out = cli.Feed(step.typed + "\r", true);
        EXPECT_TRUE(out.reply.ends_with(step.reply_ends_with)) << out.reply;
        EXPECT_EQ(out.lines, std::vector<std::string>{step.typed});
        EXPECT_EQ(cli.CurrentMode(), step.mode);
        if (step.mode == Mode::Saving) {
            EXPECT_EQ(cli.FinishSave(true).reply, "Copy succeeded\r\nswitch7f3a21#");
            EXPECT_EQ(cli.CurrentMode(), Mode::Exec);
        }
        if (step.typed == "secret") {
            EXPECT_EQ(out.reply.find("secret"), std::string::npos) << "password echoed";
        }
    }
    EXPECT_TRUE(cli.Closed());
    EXPECT_TRUE(cli.Feed("config\r", true).lines.empty()) << "read after logging out";
}

// Each line typed into a fresh switch's given mode: the reply, and the mode
// after it.
TEST(SwitchCliTest, AnswersAsItsAccountModelAndAbbreviationsAllow) {
    struct Case {
        const char* name;
        SwitchCli::Options options;
        std::vector<std::string> before;  // after the login
        std::string typed;
        std::string reply;
        Mode mode;
    };
    const std::string wrong =
        "% Wrong number of parameters or invalid range, size or characters entered\r\n";
    SwitchCli::Options sg300_10;
    sg300_10.ports = 10;
    SwitchCli::Options operator_account;
    operator_account.privilege = 1;
    SwitchCli::Options erasing;
    erasing.erase_line = true;
    const std::string host = "switch7f3a21";
    const Case cases[] = {
        {"the last port",
         sg300_10,
         {"config"},
         "interface gi10",
         host + "(config-if)#",
         Mode::Interface},
        {"a port the model lacks",
         sg300_10,
         {"config"},
         "interface gi11",
         wrong + host + "(config)#",
         Mode::Config},
        {"the port's long name",
         sg300_10,
         {"config"},
         "interface GigabitEthernet3",
         host + "(config-if)#",
         Mode::Interface},
        {"no such kind of port",
         {},
         {"config"},
         "interface te1",
         "% bad parameter value\r\n" + host + "(config)#",
         Mode::Config},
        {"no privilege",
         operator_account,
         {},
         "config",
         "% Unrecognized command\r\n" + host + ">",
         Mode::UserExec},
        {"logging out without privilege", operator_account, {}, "exit", "", Mode::Closed},
        {"configure terminal, abbreviated", {}, {}, "conf t", host + "(config)#", Mode::Config},
        {"copy or configure", {}, {}, "co", "% Ambiguous command\r\n" + host + "#", Mode::Exec},
        {"exit or end",
         {},
         {"config"},
         "e",
         "% Ambiguous command\r\n" + host + "(config)#",
         Mode::Config},
        {"a short native VLAN line",
         {},
         {"conf", "int gi2"},
         "sw tr na vl 3",
         host + "(config-if)#",
         Mode::Interface},
        {"a line cut short",
         {},
         {"conf", "int gi2"},
         "switchport trunk",
         "% Incomplete command\r\n" + host + "(config-if)#",
         Mode::Interface},
        {"no VLAN number",
         {},
         {"conf"},
         "vlan",
         "% missing mandatory parameter\r\n" + host + "(config)#",
         Mode::Config},
        {"a word too many", {}, {"conf"}, "vlan 2 3", wrong + host + "(config)#", Mode::Config},
        {"the save, abbreviated",
         {},
         {},
         "copy run start",
         std::string(SwitchCli::OverwriteQuestion),
         Mode::ConfirmSave},
        {"an erase-line escape",
         erasing,
         {},
         "config",
         "\x1b[K" + host + "(config)#",
         Mode::Config},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SwitchCli cli(c.options);
        cli.Feed("admin\rsecret\r", false);
        for (const std::string& line : c.before)
            cli.Feed(line + "\r", false);
        EXPECT_EQ(cli.Feed(c.typed + "\r", false).reply, c.reply);
        EXPECT_EQ(cli.CurrentMode(), c.mode);
    }
}

// Two wrong tries are asked again after an empty line; the third ends it.
TEST(SwitchCliTest, RefusesAWrongLoginThreeTimesThenCloses) {
    SwitchCli cli;
    EXPECT_EQ(cli.Feed("admin\rsecrets\r", true).reply,
              "admin\r\nPassword:*******\r\n\r\nUser Name:");
    EXPECT_EQ(cli.Feed("Admin\rsecret\r", true).reply,
              "Admin\r\nPassword:******\r\n\r\nUser Name:");
    EXPECT_FALSE(cli.Closed());
    EXPECT_EQ(cli.Feed("config\rvlan 2\r", true).reply,
              "config\r\nPassword:******\r\n\r\nauthentication failed\r\n");
    EXPECT_TRUE(cli.Closed());
}

TEST(SwitchCliTest, AnswersTheSaveAsItsFirmwareDoes) {
    SwitchCli::Options newer;
    newer.save_reply = SwitchCli::SaveReply::LogLines;
    SwitchCli cli(newer);
    cli.Feed("admin\rsecret\rcopy running-config startup-config\r", false);
    // What is typed during the save waits for its end.
    const SwitchCli::Output typed = cli.Feed("Y\rconfig\r", true);
    EXPECT_EQ(typed.reply, "Y\r\n");
    EXPECT_EQ(typed.lines, std::vector<std::string>{"Y"});
    const SwitchCli::Output saved = cli.FinishSave(true);
    EXPECT_EQ(saved.lines, std::vector<std::string>{"config"});
    EXPECT_TRUE(saved.reply.ends_with("#config\r\nswitch7f3a21(config)#")) << saved.reply;
    const std::string later = saved.reply.substr(0, saved.reply.rfind("config\r\n"));
    EXPECT_TRUE(std::regex_match(
        later,
        std::regex("\\d\\d-[A-Z][a-z][a-z]-\\d{4} \\d\\d:\\d\\d:\\d\\d %COPY-I-FILECPY: Files "
                   "Copy - source URL running-config destination URL "
                   "flash://system/configuration/startup-config\r\n"
                   "\\d\\d-[A-Z][a-z][a-z]-\\d{4} \\d\\d:\\d\\d:\\d\\d %COPY-N-TRAP: The "
                   "copy operation was completed successfully\r\n\r\nswitch7f3a21#")))
        << later;
    EXPECT_EQ(SwitchCli::ModelPorts("SG300-28"), 28);
    EXPECT_EQ(SwitchCli::ModelPorts("SG300-30"), std::nullopt);
}

TEST(SwitchCliTest, EndsLinesAtCrLfCrNulBareCrAndLfWhereverTheTextIsSplit) {
    const std::string text = std::string("admin\r\nsecret\r") + '\0' + "config\rvlan 2\nexit\r\r\n";
    const std::vector<std::string> lines = {"admin", "secret", "config", "vlan 2", "exit", ""};
    for (std::size_t split = 0; split <= text.size(); ++split) {
        SCOPED_TRACE("split at " + std::to_string(split));
        SwitchCli cli;
        std::vector<std::string> got = cli.Feed(text.substr(0, split), false).lines;
        for (auto& line : cli.Feed(text.substr(split), false).lines)
            got.push_back(line);
        EXPECT_EQ(got, lines);
    }
}

TEST(SwitchCliTest, EchoesTypingWithBackspacesOnlyWhenAsked) {
    SwitchCli echoing;
    const SwitchCli::Output out = echoing.Feed("admx\by\x7fin\r", true);
    EXPECT_EQ(out.reply, "admx\b \by\b \bin\r\nPassword:");
    EXPECT_EQ(out.lines, std::vector<std::string>{"admin"});

    SwitchCli silent;
    EXPECT_EQ(silent.Feed("admin\r", false).reply, "Password:");
}

}  // namespace
}  // namespace vindel
