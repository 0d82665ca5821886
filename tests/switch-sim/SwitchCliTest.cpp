// SPDX-License-Identifier: MIT
#include "SwitchCli.h"

#include <gtest/gtest.h>

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
        {"secret", "\r\nswitch#", Mode::Exec},
        {"", "switch#", Mode::Exec},
        {"config", "switch(config)#", Mode::Config},
        {"vlan 2", "switch(config)#", Mode::Config},
        {"vlan 4095", "between 1 and 4094\r\nswitch(config)#", Mode::Config},
        {"interface gi1", "switch(config-if)#", Mode::Interface},
        {"switchport trunk native vlan 2", "switch(config-if)#", Mode::Interface},
        {"", "switch(config-if)#", Mode::Interface},  // Vindel's line for a 50th input
        {"interface gi2", "switch(config-if)#", Mode::Interface},
        {"vlan 3", "% Unrecognized command\r\nswitch(config-if)#", Mode::Interface},
        {"exit", "switch(config)#", Mode::Config},
        {"exit", "switch#", Mode::Exec},
        {"copy running-config startup-config", question, Mode::ConfirmSave},
        {"Y", "Copy succeeded\r\nswitch#", Mode::Exec},
        {"copy running-config startup-config", question, Mode::ConfirmSave},
        {"", "Copy aborted\r\nswitch#", Mode::Exec},  // [N] is the default
        {"config", "switch(config)#", Mode::Config},
        {"copy running-config startup-config", "% Unrecognized command\r\nswitch(config)#",
         Mode::Config},
        {"end", "switch#", Mode::Exec},
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
        if (step.typed == "secret") {
            EXPECT_EQ(out.reply.find("secret"), std::string::npos) << "password echoed";
        }
    }
    EXPECT_TRUE(cli.Closed());
    EXPECT_TRUE(cli.Feed("config\r", true).lines.empty()) << "read after logging out";
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
