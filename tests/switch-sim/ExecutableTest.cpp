// SPDX-License-Identifier: MIT
// vindel-switch-sim as an operator runs it: options, the line saying where
// it listens, the record file, and the end on SIGTERM.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "RawClient.h"
#include "UniqueFd.h"
#include "Waiting.h"

extern char** environ;

namespace vindel {
namespace {

using testing::RawClient;

// The record file: its first line, the bytes of its chunk lines ("<ms> <hex>
// ...") in hex, and the later lines of another form.
struct Record {
    std::string first_line;
    std::string hex;
    std::vector<std::string> odd_lines;
};

Record ReadRecord(const std::string& path) {
    Record record;
    std::ifstream in(path);
    std::getline(in, record.first_line);
    const std::regex chunk(R"(\d+((?: [0-9a-f]{2})+))");
    for (std::string line; std::getline(in, line);) {
        std::smatch m;
        if (std::regex_match(line, m, chunk))
            record.hex += m[1];
        else
            record.odd_lines.push_back(line);
    }
    return record;
}

// The executable with its standard output on a pipe; killed and reaped when
// the test hasn't ended it.
class SwitchProcess final {
  public:
    explicit SwitchProcess(std::vector<std::string> options) {
        options.insert(options.begin(), VINDEL_SWITCH_SIM_PATH);
        std::vector<char*> argv;
        for (std::string& o : options)
            argv.push_back(o.data());
        argv.push_back(nullptr);
        int ends[2];
        EXPECT_EQ(pipe(ends), 0);
        output_ = UniqueFd(ends[0]);
        const UniqueFd write_end(ends[1]);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, write_end.get(), STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, output_.get());
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~SwitchProcess() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    SwitchProcess(const SwitchProcess&) = delete;
    SwitchProcess& operator=(const SwitchProcess&) = delete;

    // Standard output until `needle` has come, the stream ends or 5 s pass.
    std::string ReadUntil(const std::string& needle) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (out_.find(needle) == std::string::npos &&
               std::chrono::steady_clock::now() < deadline) {
            pollfd fd{output_.get(), POLLIN, 0};
            char buffer[512];
            if (poll(&fd, 1, 100) <= 0)
                continue;
            const ssize_t got = read(output_.get(), buffer, sizeof buffer);
            if (got <= 0)
                break;
            out_.append(buffer, std::size_t(got));
        }
        return out_;
    }

    // Sends `signal` and gives the exit status, or -1 without a normal exit.
    int End(int signal) {
        kill(pid_, signal);
        int status = 0;
        waitpid(std::exchange(pid_, -1), &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    pid_t pid_ = -1;
    UniqueFd output_;
    std::string out_;
};

TEST(SwitchExecutableTest, ListensWhereToldRecordsToAFileAndEndsOnSigterm) {
    const std::string record = ::testing::TempDir() + "switch-sim-record.txt";
    SwitchProcess sim({"--address", "127.0.0.1", "--port", "0", "--profile", "silent", "--record",
                       record, "--user", "operator", "--privilege", "1", "--model", "SG300-10",
                       "--firmware", "newer", "--erase-line"});
    std::smatch where;
    const std::string said = sim.ReadUntil("privilege 1\n");
    ASSERT_TRUE(std::regex_search(
        said, where, std::regex(R"(listening on 127\.0\.0\.1:(\d+), profile silent\n)")))
        << said;
    EXPECT_NE(said.find("switch7f3a21, 10 ports, account \"operator\" with privilege 1\n"),
              std::string::npos)
        << said;
    {
        RawClient client(static_cast<std::uint16_t>(std::stoi(where[1])));
        EXPECT_EQ(client.ReadUntil("User Name:"), "\r\n\r\nUser Name:");
        client.Send("admin\r\n");
        client.ReadUntil("Password:");
        client.Send(std::string("\xff\xfd\x01", 3));
    }
    // SIGTERM once the switch has recorded every byte sent.
    const std::string sent_hex = " 61 64 6d 69 6e 0d 0a ff fd 01";
    EXPECT_TRUE(testing::WaitFor([&] { return ReadRecord(record).hex.size() >= sent_hex.size(); }));
    EXPECT_EQ(sim.End(SIGTERM), 0);
    EXPECT_NE(sim.ReadUntil("stopped").find("stopped, 1 connection(s)"), std::string::npos);

    const Record written = ReadRecord(record);
    EXPECT_EQ(written.first_line, "# connection 1");
    EXPECT_EQ(written.odd_lines, std::vector<std::string>{});
    EXPECT_EQ(written.hex, sent_hex);
}

TEST(SwitchExecutableTest, RefusesUnknownOptions) {
    for (const std::vector<std::string>& options : {std::vector<std::string>{"--profile", "chatty"},
                                                    {"--port", "65536"},
                                                    {"--verbose"},
                                                    {"--model", "SG300-30"},
                                                    {"--privilege", "16"},
                                                    {"--firmware", "newest"}}) {
        SwitchProcess sim(options);
        EXPECT_EQ(sim.End(0), 2) << options[0];
    }
}

}  // namespace
}  // namespace vindel
