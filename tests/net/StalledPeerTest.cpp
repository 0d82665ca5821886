// SPDX-License-Identifier: MIT
// A peer that stops reading must not hold the program: a write that can make
// no progress fails with 10060 after the stall limit and leaves the client
// idle, whether the script's typing meets it or a reply to the peer's option
// requests does.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include "FailureText.h"
#include "LoopbackServer.h"
#include "ThreadCount.h"
#include "Waiting.h"
#include "net/EIdException.h"
#include "net/Socket.h"
#include "net/TIdTelnet.h"

#ifndef _WIN32
#include "PrivateNetwork.h"
#include "SkipOrFail.h"
#endif

namespace vindel {
namespace {

using test::LoopbackServer;
using testing::PumpUntil;
using Ms = std::chrono::milliseconds;

const std::u16string kTimedOut = u"Socket Error # 10060\r\nConnection timed out.";
// Short, so that the test needn't wait the program's 20 s; a peer that reads
// nothing never lets a write go on, whatever the limit.
constexpr Ms kStallLimit{300};

class StalledPeerTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
#ifndef _WIN32
        // Once, before any thread: without root the namespace needs a user
        // namespace, which a process with threads can't enter.
        private_network_failure_ = testing::EnterPrivateNetwork();
        // Small socket buffers in that namespace, and only there, so that a
        // peer that reads nothing stalls the client after a few kilobytes,
        // not megabytes. Best effort: with the usual sizes it takes longer.
        if (private_network_failure_.empty()) {
            for (const char* sysctl :
                 {"/proc/sys/net/ipv4/tcp_wmem", "/proc/sys/net/ipv4/tcp_rmem"})
                std::ofstream(sysctl) << "4096 8192 16384\n";
        }
#endif
        std::thread([] {}).join();  // see TIdTelnetTest: ThreadSanitizer's helper
    }

    void SetUp() override {
#ifndef _WIN32
        if (!private_network_failure_.empty())
            VINDEL_SKIP_OR_FAIL("no private network namespace: " + private_network_failure_);
#endif
        baseline_threads_ = testing::ThreadCount();
        server_ = std::make_unique<LoopbackServer>(true);
        client_ = std::make_unique<TIdTelnet>();
        client_->Host = u"127.0.0.1";
        client_->Port = server_->Port();
        client_->SetWriteStallLimit(kStallLimit);
        client_->OnDataAvailable = [](TIdTelnet&, const std::u16string&) {};
    }

    bool ReceivingThreadGone() const {
        return PumpUntil([this] { return testing::ThreadCount() == baseline_threads_; });
    }

    // The program goes on: the next connect works and what is typed arrives.
    void ExpectAFreshConnectWorks() {
        client_->Connect();
        const auto peer = server_->Accept();
        client_->SendCh(u'k');
        EXPECT_EQ(peer.Read(1), "k");
    }

#ifndef _WIN32
    static inline std::string private_network_failure_;
#endif
    std::unique_ptr<LoopbackServer> server_;
    // Declared after the server: it goes first, while its peer may still be open.
    std::unique_ptr<TIdTelnet> client_;
    int baseline_threads_ = 0;
};

// The socket layer itself, on each platform: a send that the peer takes no
// more of fails with the platform's send time-out once the limit has passed
// without progress, also in the middle of one large send.
TEST_F(StalledPeerTest, SendThatMakesNoProgressFailsWithTheSendTimeOut) {
    Socket socket = Socket::OpenTcp4();
    socket.Connect(0x7F000001, server_->Port());
    const auto peer = server_->Accept();
    const std::string large(std::size_t{64} << 20, 'a');
    testing::ExpectFailure<EIdSocketError>(
        [&] { socket.SendAll(large, static_cast<int>(kStallLimit.count())); },
        [](const EIdSocketError& e) {
            EXPECT_EQ(e.LastError(), 10060);
            EXPECT_EQ(e.Message(), kTimedOut);
        });
}

// The client's own writes are a byte or three each: filling the megabytes of
// buffer that a loopback connection has takes minutes under wine, where the
// namespace can't shrink them. There the test above shows the Winsock send.
#ifndef _WIN32

// The script types on into a peer that has read its first line and then reads
// no more: once the buffers on the way are full, a character fails with the
// time-out instead of waiting for good, and the connection is idle.
TEST_F(StalledPeerTest, TypingIntoAPeerThatStoppedReadingTimesOutAndLeavesTheClientIdle) {
    client_->Connect();
    const auto peer = server_->Accept();
    for (const char16_t ch : std::u16string(u"config\r"))
        client_->SendCh(ch);
    EXPECT_EQ(peer.Read(8), "config\r\n");

    const std::u16string line = u"interface gi1\r";
    std::size_t typed = 0;
    const std::u16string failure = testing::FailureText<EIdSocketError>([&] {
        // Bounded, so that a client that never fails ends the test.
        while (typed < (std::size_t{64} << 20)) {
            client_->SendCh(line[typed % line.size()]);
            ++typed;
        }
    });
    EXPECT_EQ(failure, kTimedOut);
    EXPECT_GT(typed, 0u);

    EXPECT_FALSE(client_->Connected());
    EXPECT_TRUE(ReceivingThreadGone());
    // Idle: the rest of the script writes nothing and reports nothing.
    EXPECT_NO_THROW(client_->SendCh(u'x'));
    ExpectAFreshConnectWorks();
}

// The peer asks for the terminal type again and again and reads nothing. The
// answers are written when the user-interface thread runs the deliveries (the
// "Setup Complete!" box's loop, here the pump); once they can't go out, the
// write times out, the receiving thread ends quietly, and the loop runs free.
TEST_F(StalledPeerTest, AnsweringAFloodOfRequestsThatIsNeverReadEndsAndLeavesTheClientIdle) {
    client_->Connect();
    const auto peer = server_->Accept();
    std::atomic<bool> stop = false;
    std::string do_ttype;
    for (int i = 0; i < 4096; ++i)
        do_ttype += "\xff\xfd\x18";
    std::jthread flooder([&] { peer.Flood(do_ttype, stop); });

    const bool idle = PumpUntil([&] { return !client_->Connected(); }, Ms(60000));
    stop = true;
    flooder.join();
    EXPECT_TRUE(idle);
    EXPECT_TRUE(client_->IamTelnet()) << "the requests were never delivered";
    EXPECT_TRUE(ReceivingThreadGone());
    ExpectAFreshConnectWorks();
}

#endif

}  // namespace
}  // namespace vindel
