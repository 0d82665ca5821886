// SPDX-License-Identifier: MIT
// vindel-switch-sim: the simulated switch on its own, for trying Vindel
// without hardware. Runs until SIGINT or SIGTERM.
#include <signal.h>

#include <charconv>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "RecordFile.h"
#include "SimulatedSwitch.h"
#include "Transcript.h"

namespace {

constexpr std::string_view kUsage =
    "usage: vindel-switch-sim [--address A.B.C.D] [--port N] [--profile P] [--record FILE]\n"
    "                         [--transcript FILE] [--user NAME] [--password TEXT]\n"
    "                         [--privilege N] [--model M] [--firmware F] [--erase-line]\n"
    "                         [--close-with-reset]\n"
    "  --address  IPv4 address to listen on (default 127.0.0.1)\n"
    "  --port     TCP port (default 23; 0 lets the system pick one)\n"
    "  --profile  silent, negotiating (default) or slow\n"
    "  --record   write every received byte to FILE, one line per read:\n"
    "             milliseconds since the connect, then the bytes in hex\n"
    "  --transcript  on stopping, write what was received to FILE for a\n"
    "             person to read, the password masked\n"
    "  --user, --password  the account the switch lets in (default admin,\n"
    "             secret); three wrong tries end the connection\n"
    "  --privilege  the account's level, 1 to 15 (default 15); below 15 it\n"
    "             may not configure\n"
    "  --model    SG300-10, SG300-20, SG300-28 or SG300-52 (default): the\n"
    "             ports the switch has\n"
    "  --firmware  older (default) answers the save with \"Copy succeeded\",\n"
    "             newer with its log lines\n"
    "  --erase-line  an erase-line escape (ESC [ K) before each prompt\n"
    "  --close-with-reset  end a session (the last refused login, a logout)\n"
    "             with a reset, as a switch does with typed lines unread\n";

struct Arguments {
    vindel::SimulatedSwitch::Options options;
    std::string record;
    std::string transcript;
};

std::optional<Arguments> Parse(int argc, char** argv) {
    Arguments args;
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = argv[i];
        if (name == "--erase-line") {
            args.options.cli.erase_line = true;
            continue;
        }
        if (name == "--close-with-reset") {
            args.options.close_with_reset = true;
            continue;
        }
        if (name == "--help" || name == "-h" || i + 1 >= argc)
            return std::nullopt;
        const std::string_view value = argv[++i];
        if (name == "--address") {
            args.options.address = value;
        } else if (name == "--port") {
            unsigned port = 0;
            const auto [end, error] = std::from_chars(value.begin(), value.end(), port);
            if (error != std::errc() || end != value.end() || port > 65535)
                return std::nullopt;
            args.options.port = static_cast<std::uint16_t>(port);
        } else if (name == "--profile") {
            const auto profile = vindel::ParseSwitchProfile(value);
            if (!profile)
                return std::nullopt;
            args.options.profile = *profile;
        } else if (name == "--record") {
            args.record = value;
        } else if (name == "--transcript") {
            args.transcript = value;
        } else if (name == "--user") {
            args.options.cli.user = value;
        } else if (name == "--password") {
            args.options.cli.password = value;
        } else if (name == "--privilege") {
            int level = 0;
            const auto [end, error] = std::from_chars(value.begin(), value.end(), level);
            if (error != std::errc() || end != value.end() || level < 1 || level > 15)
                return std::nullopt;
            args.options.cli.privilege = level;
        } else if (name == "--model") {
            const std::optional<int> ports = vindel::SwitchCli::ModelPorts(value);
            if (!ports)
                return std::nullopt;
            args.options.cli.ports = *ports;
        } else if (name == "--firmware") {
            if (value == "older")
                args.options.cli.save_reply = vindel::SwitchCli::SaveReply::CopySucceeded;
            else if (value == "newer")
                args.options.cli.save_reply = vindel::SwitchCli::SaveReply::LogLines;
            else
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    return args;
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<Arguments> args = Parse(argc, argv);
    if (!args) {
        std::cerr << kUsage;
        return 2;
    }
    // Blocked before the switch's thread exists, so that it inherits the
    // mask and the signals wait for sigwait below.
    sigset_t stop_signals;
    sigemptyset(&stop_signals);
    sigaddset(&stop_signals, SIGINT);
    sigaddset(&stop_signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stop_signals, nullptr);

    try {
        std::unique_ptr<vindel::RecordFile> record;
        if (!args->record.empty()) {
            record = std::make_unique<vindel::RecordFile>(args->record);
            args->options.on_received = [&record](const vindel::ReceivedChunk& chunk) {
                record->Write(chunk);
            };
        }
        vindel::SimulatedSwitch sim(args->options);
        const vindel::SwitchCli::Options& cli = args->options.cli;
        std::cout << "vindel-switch-sim: listening on " << sim.Address() << ':' << sim.Port()
                  << ", profile " << vindel::SwitchProfileName(sim.Profile()) << std::endl;
        std::cout << "vindel-switch-sim: " << cli.hostname << ", " << cli.ports
                  << " ports, account \"" << cli.user << "\" with privilege " << cli.privilege
                  << std::endl;
        int signal = 0;
        sigwait(&stop_signals, &signal);
        sim.Stop();
        if (!args->transcript.empty()) {
            std::ofstream(args->transcript) << vindel::Transcript(sim.Record());
        }
        if (!sim.Error().empty())
            std::cerr << "vindel-switch-sim: " << sim.Error() << '\n';
        std::cout << "vindel-switch-sim: stopped, " << sim.Connections() << " connection(s)"
                  << std::endl;
    } catch (const std::exception& e) {
        std::cerr << "vindel-switch-sim: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
