// SPDX-License-Identifier: MIT
// The client against real Telnet servers from Debian, on the loopback of a
// private network namespace that the test makes for itself: nothing is
// reachable from there but the servers it starts.
#include <arpa/inet.h>
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "FailureText.h"
#include "LoopbackServer.h"
#include "SkipOrFail.h"
#include "Waiting.h"
#include "common/Text.h"
#include "net/EIdException.h"
#include "net/TIdTelnet.h"

extern char** environ;

namespace vindel {
namespace {

using Ms = std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

constexpr std::uint16_t kTelnetPort = 23;
const std::string kDumbReply = {'\xff', '\xfa', 24, 0, 'd', 'u', 'm', 'b', '\xff', '\xf0'};

// A server process in a process group of its own, ended with that group.
class ServerProcess final {
  public:
    explicit ServerProcess(const std::vector<std::string>& argv) {
        std::vector<char*> args;
        for (const auto& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        posix_spawnattr_t attr;
        posix_spawnattr_init(&attr);
        posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP);
        posix_spawnattr_setpgroup(&attr, 0);
        if (posix_spawn(&pid_, args[0], nullptr, &attr, args.data(), environ) != 0)
            pid_ = -1;
        posix_spawnattr_destroy(&attr);
    }
    // Ends the server, then reaps what its sessions left: the test is the
    // subreaper of everything it started (see RealPeersTest::SetUp), and a
    // server may end before it has reaped its own children.
    ~ServerProcess() {
        if (pid_ <= 0)
            return;
        kill(-pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        const auto deadline = Clock::now() + Ms(2000);
        for (;;) {
            const pid_t reaped = waitpid(-1, nullptr, WNOHANG);
            if (reaped < 0)
                return;  // no children left
            if (reaped > 0)
                continue;
            if (Clock::now() >= deadline)
                break;
            std::this_thread::sleep_for(Ms(10));
        }
        for (const pid_t child : ChildrenOfThisProcess())
            kill(child, SIGKILL);
        while (waitpid(-1, nullptr, 0) > 0) {
        }
    }
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    bool Started() const { return pid_ > 0; }

  private:
    static std::vector<pid_t> ChildrenOfThisProcess() {
        std::vector<pid_t> children;
        const std::string self = std::to_string(getpid());
        DIR* proc = opendir("/proc");
        if (proc == nullptr)
            return children;
        while (const dirent* entry = readdir(proc)) {
            std::ifstream stat(std::string("/proc/") + entry->d_name + "/stat");
            std::string line;
            if (!std::getline(stat, line) || line.rfind(')') == std::string::npos)
                continue;
            // pid (comm) state ppid ...
            std::istringstream rest(line.substr(line.rfind(')') + 2));
            std::string state, ppid;
            rest >> state >> ppid;
            if (ppid == self)
                children.push_back(std::stoi(entry->d_name));
        }
        closedir(proc);
        return children;
    }

    pid_t pid_ = -1;
};

// Stands between the client and the server and keeps both directions, so the
// test sees what the server really got.
class RecordingProxy final {
  public:
    RecordingProxy() : thread_([this] { Run(); }) {}
    ~RecordingProxy() {
        stop_ = true;
        thread_.join();
    }
    RecordingProxy(const RecordingProxy&) = delete;
    RecordingProxy& operator=(const RecordingProxy&) = delete;

    std::uint16_t Port() const { return listener_.Port(); }
    std::string ToServer() const {
        const std::lock_guard lock(mutex_);
        return to_server_;
    }
    std::string ToClient() const {
        const std::lock_guard lock(mutex_);
        return to_client_;
    }

  private:
    static int ConnectToServer() {
        // The server may still be starting: try for a while.
        const auto deadline = Clock::now() + Ms(5000);
        while (Clock::now() < deadline) {
            const int s = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
            sockaddr_in a{};
            a.sin_family = AF_INET;
            a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            a.sin_port = htons(kTelnetPort);
            if (connect(s, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0)
                return s;
            close(s);
            std::this_thread::sleep_for(Ms(20));
        }
        return -1;
    }

    void Run() {
        test::LoopbackServer::Peer client = [&] {
            for (;;) {
                try {
                    return listener_.Accept(Ms(100));
                } catch (const std::exception&) {
                    if (stop_)
                        throw;
                }
            }
        }();
        const int server = ConnectToServer();
        if (server < 0)
            return;
        const int client_fd = client.Handle();
        pollfd fds[2] = {{client_fd, POLLIN, 0}, {server, POLLIN, 0}};
        while (!stop_) {
            if (poll(fds, 2, 20) <= 0)
                continue;
            if (!Forward(client_fd, server, to_server_) || !Forward(server, client_fd, to_client_))
                break;
        }
        close(server);
    }

    bool Forward(int from, int to, std::string& record) {
        pollfd fd{from, POLLIN, 0};
        if (poll(&fd, 1, 0) <= 0)
            return true;
        char buffer[4096];
        const ssize_t got = recv(from, buffer, sizeof buffer, 0);
        if (got <= 0)
            return false;
        {
            const std::lock_guard lock(mutex_);
            record.append(buffer, std::size_t(got));
        }
        return send(to, buffer, std::size_t(got), MSG_NOSIGNAL) == got;
    }

    test::LoopbackServer listener_;
    std::atomic<bool> stop_ = false;
    mutable std::mutex mutex_;
    std::string to_server_;
    std::string to_client_;
    std::thread thread_;  // last: starts once the rest exists
};

// The Telnet commands in a recorded stream, each as its bytes: IAC, verb and
// option, or a whole IAC SB ... IAC SE with escaped 255s undone.
std::vector<std::string> CommandsIn(const std::string& stream) {
    std::vector<std::string> commands;
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(stream[i]); };
    for (std::size_t i = 0; i + 1 < stream.size(); ++i) {
        if (at(i) != 255)
            continue;
        const unsigned char verb = at(i + 1);
        if (verb == 255) {
            ++i;
        } else if (verb >= 251 && i + 2 < stream.size()) {
            commands.push_back(stream.substr(i, 3));
            i += 2;
        } else if (verb == 250) {
            std::string sb = stream.substr(i, 2);
            std::size_t j = i + 2;
            for (; j + 1 < stream.size() && !(at(j) == 255 && at(j + 1) == 240); ++j) {
                sb.push_back(stream[j]);
                if (at(j) == 255)
                    ++j;  // IAC IAC
            }
            commands.push_back(sb + "\xff\xf0");
            i = j + 1;
        } else {
            ++i;  // NOP, GA and the like: nothing to answer
        }
    }
    return commands;
}

// The replies the client must give, straight from its reply table.
std::vector<std::string> ExpectedReplies(const std::vector<std::string>& requests) {
    std::vector<std::string> replies;
    for (const auto& r : requests) {
        const auto verb = static_cast<unsigned char>(r[1]);
        const auto option = static_cast<unsigned char>(r[2]);
        unsigned char answer = 0;
        switch (verb) {
            case 251:  // WILL
                answer = option == 1 || option == 25 ? 253 : 254;
                break;
            case 253:  // DO
                answer = option == 1 || option == 24 ? 251 : 252;
                break;
            case 252:  // WONT
                answer = 254;
                break;
            case 254:  // DONT
                answer = 252;
                break;
            default:  // a subnegotiation: only the data {SEND} is answered
                if (r.size() == 6 && r[3] == '\x01')
                    replies.push_back(kDumbReply);
                continue;
        }
        replies.push_back({'\xff', static_cast<char>(answer), static_cast<char>(option)});
    }
    return replies;
}

class RealPeersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string why = testing::EnterPrivateNetwork();
        if (!why.empty())
            VINDEL_SKIP_OR_FAIL("no private network namespace: " + why);
        prctl(PR_SET_CHILD_SUBREAPER, 1);
    }

    // Connects through the proxy and converses until the negotiation has
    // settled. The server's program (/bin/cat) echoes what is typed, so a line
    // typed once every request so far is answered comes back only after the
    // server has read those answers, and after any request they drew: when
    // none came meanwhile, nothing is left to answer. A line typed before the
    // program runs is lost; the next round types another.
    static void Converse(const RecordingProxy& proxy) {
        std::u16string received;  // before the client, whose destructor still delivers
        TIdTelnet client;
        client.Host = u"127.0.0.1";
        client.Port = proxy.Port();
        client.OnDataAvailable = [&](TIdTelnet&, const std::u16string& text) { received += text; };
        client.Connect();

        const auto deadline = Clock::now() + Ms(15000);
        bool settled = false;
        for (int round = 1; !settled && Clock::now() < deadline; ++round) {
            if (!testing::PumpUntil([&] { return AllAnswered(proxy); }, Ms(5000)))
                break;
            const auto requests = CommandsIn(proxy.ToClient());
            const std::u16string line = u"line " + DecimalText(round) + u".";
            const std::size_t mark = received.size();
            for (const char16_t ch : line + u"\r")
                client.SendCh(ch);
            const bool echoed = testing::PumpUntil(
                [&] { return received.find(line, mark) != std::u16string::npos; }, Ms(500));
            settled = echoed && CommandsIn(proxy.ToClient()) == requests;
        }
        EXPECT_TRUE(settled) << "no echo from the server, or requests left unanswered";
        EXPECT_TRUE(client.IamTelnet());
    }

    static bool AllAnswered(const RecordingProxy& proxy) {
        return CommandsIn(proxy.ToServer()) == ExpectedReplies(CommandsIn(proxy.ToClient()));
    }
};

TEST_F(RealPeersTest, BusyboxTelnetdGetsTheTableReplies) {
    const char* busybox = std::getenv("VINDEL_BUSYBOX");
    if (busybox == nullptr)
        busybox = VINDEL_BUSYBOX_PATH;
    if (access(busybox, X_OK) != 0)
        VINDEL_SKIP_OR_FAIL("no busybox with telnetd; tests/net/fetch-busybox.sh fetches one");
    const ServerProcess server(
        {busybox, "telnetd", "-F", "-p", std::to_string(kTelnetPort), "-l", "/bin/cat"});
    ASSERT_TRUE(server.Started());
    RecordingProxy proxy;
    Converse(proxy);

    const auto requests = CommandsIn(proxy.ToClient());
    const auto replies = CommandsIn(proxy.ToServer());
    ASSERT_GE(requests.size(), 4u);
    EXPECT_EQ(requests[0], "\xff\xfd\x01");
    EXPECT_EQ(replies, ExpectedReplies(requests));
}

TEST_F(RealPeersTest, InetutilsTelnetdGetsTheTableRepliesAndTerminalTypeDumb) {
    if (access("/usr/sbin/telnetd", X_OK) != 0 || access("/usr/bin/tcpserver", X_OK) != 0)
        VINDEL_SKIP_OR_FAIL("inetutils-telnetd or ucspi-tcp is not installed");
    const ServerProcess server({"/usr/bin/tcpserver", "-R", "-H", "-l", "localhost", "127.0.0.1",
                                std::to_string(kTelnetPort), "/usr/sbin/telnetd", "-h", "-E",
                                "/bin/cat"});
    ASSERT_TRUE(server.Started());
    RecordingProxy proxy;
    Converse(proxy);

    const auto requests = CommandsIn(proxy.ToClient());
    const auto replies = CommandsIn(proxy.ToServer());
    EXPECT_EQ(replies, ExpectedReplies(requests));
    EXPECT_NE(proxy.ToServer().find(kDumbReply), std::string::npos)
        << "no terminal type \"dumb\" sent";
}

// No name server can be reached from the private network, as on a laptop
// cabled straight to the switch: the lookup of a name fails, and the operator
// reads why.
TEST_F(RealPeersTest, NameWithNoNameServerIsHostNotFound) {
    TIdTelnet client;
    client.Host = u"switch.vindel.invalid";
    client.OnDataAvailable = [](TIdTelnet&, const std::u16string&) {};
    EXPECT_EQ(testing::FailureText<EIdSocketError>([&] { client.Connect(); }),
              u"Socket Error # 11001\r\nHost not found.");
    EXPECT_FALSE(client.Connected());
}

}  // namespace
}  // namespace vindel
