// SPDX-License-Identifier: MIT
#include "LoopbackServer.h"

#ifdef _WIN32
// <winsock2.h> first: <windows.h> would bring the old Winsock along.
#include <winsock2.h>

#include <iphlpapi.h>
#include <windows.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <stdexcept>
#include <utility>
#include <vector>

#include "Waiting.h"

namespace vindel::test {
namespace {

using Clock = std::chrono::steady_clock;

#ifdef _WIN32
// The few places where Winsock differs from POSIX, so that the server below
// is written once.
using socklen_t = int;
constexpr int MSG_NOSIGNAL = 0;  // Windows raises no signal for a closed peer
constexpr int SHUT_WR = SD_SEND;
constexpr int TCP_MAXSEG = 4;  // Windows' value; mingw-w64's headers lack it
constexpr LoopbackServer::SocketHandle kNoSocket = INVALID_SOCKET;

int LastError() {
    return WSAGetLastError();
}
int close(LoopbackServer::SocketHandle handle) {
    return closesocket(handle);
}
int poll(pollfd* fds, unsigned long count, int ms) {
    return WSAPoll(fds, count, ms);
}
LoopbackServer::SocketHandle OpenStream() {
    // The test's own use of Winsock, apart from the client's; the library
    // counts the starts, so the two don't disturb each other.
    static const bool started = [] {
        WSADATA data{};
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    if (!started)
        throw std::runtime_error("WSAStartup failed");
    return socket(AF_INET, SOCK_STREAM, 0);
}
LoopbackServer::SocketHandle AcceptOne(LoopbackServer::SocketHandle handle) {
    return accept(handle, nullptr, nullptr);
}
int Count(std::size_t size) {
    return static_cast<int>(size);
}
#else
constexpr LoopbackServer::SocketHandle kNoSocket = -1;

int LastError() {
    return errno;
}
LoopbackServer::SocketHandle OpenStream() {
    return socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
}
LoopbackServer::SocketHandle AcceptOne(LoopbackServer::SocketHandle handle) {
    return accept4(handle, nullptr, nullptr, SOCK_CLOEXEC);
}
std::size_t Count(std::size_t size) {
    return size;
}
#endif

[[noreturn]] void Fail(const char* what) {
    throw std::runtime_error(std::string(what) + ": error " + std::to_string(LastError()));
}

sockaddr_in Loopback(std::uint16_t port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(port);
    return a;
}

std::uint16_t BoundPort(LoopbackServer::SocketHandle handle) {
    sockaddr_in a{};
    socklen_t length = sizeof a;
    if (getsockname(handle, reinterpret_cast<sockaddr*>(&a), &length) != 0)
        Fail("getsockname");
    return ntohs(a.sin_port);
}

bool Readable(LoopbackServer::SocketHandle handle, int ms) {
    pollfd fd{handle, POLLIN, 0};
    return poll(&fd, 1, ms) > 0;
}

// Whether the FIN this end sent has been acknowledged: FIN_WAIT2, or
// TIME_WAIT when the client has closed too.
#ifdef _WIN32
// Winsock has no TCP_INFO: the connection's row in the system's table of TCP
// connections tells its state.
bool FinAcknowledged(LoopbackServer::SocketHandle handle) {
    sockaddr_in local{};
    sockaddr_in remote{};
    int length = sizeof local;
    if (getsockname(handle, reinterpret_cast<sockaddr*>(&local), &length) != 0)
        Fail("getsockname");
    length = sizeof remote;
    if (getpeername(handle, reinterpret_cast<sockaddr*>(&remote), &length) != 0)
        Fail("getpeername");
    std::vector<unsigned char> table(sizeof(MIB_TCPTABLE));
    ULONG size = static_cast<ULONG>(table.size());
    DWORD result = 0;
    while ((result = GetTcpTable(reinterpret_cast<MIB_TCPTABLE*>(table.data()), &size, FALSE)) ==
           ERROR_INSUFFICIENT_BUFFER)
        table.resize(size);
    if (result != NO_ERROR)
        throw std::runtime_error("GetTcpTable: error " + std::to_string(result));
    const DWORD count = reinterpret_cast<const MIB_TCPTABLE*>(table.data())->dwNumEntries;
    const auto* rows =
        reinterpret_cast<const MIB_TCPROW*>(table.data() + offsetof(MIB_TCPTABLE, table));
    // The ports are in network order in the low 16 bits.
    for (DWORD i = 0; i < count; ++i) {
        if ((rows[i].dwLocalPort & 0xFFFF) == local.sin_port &&
            (rows[i].dwRemotePort & 0xFFFF) == remote.sin_port &&
            rows[i].dwLocalAddr == local.sin_addr.s_addr)
            return rows[i].dwState == MIB_TCP_STATE_FIN_WAIT2 ||
                   rows[i].dwState == MIB_TCP_STATE_TIME_WAIT;
    }
    return false;
}
#else
bool FinAcknowledged(LoopbackServer::SocketHandle handle) {
    tcp_info info{};
    socklen_t length = sizeof info;
    if (getsockopt(handle, IPPROTO_TCP, TCP_INFO, &info, &length) != 0)
        Fail("getsockopt TCP_INFO");
    return info.tcpi_state == TCP_FIN_WAIT2 || info.tcpi_state == TCP_TIME_WAIT;
}
#endif

}  // namespace

LoopbackServer::LoopbackServer() : LoopbackServer(false) {}

LoopbackServer::LoopbackServer(bool small_buffers) : handle_(OpenStream()) {
    if (handle_ == kNoSocket)
        Fail("socket");
    if (small_buffers) {
        // Set before listening: what is accepted inherits them.
        const int receive_buffer = 4096;
        const int segment = 536;
        setsockopt(handle_, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&receive_buffer),
                   sizeof receive_buffer);
        setsockopt(handle_, IPPROTO_TCP, TCP_MAXSEG, reinterpret_cast<const char*>(&segment),
                   sizeof segment);
    }
    const sockaddr_in a = Loopback(0);
    if (bind(handle_, reinterpret_cast<const sockaddr*>(&a), sizeof a) != 0 ||
        listen(handle_, 8) != 0)
        Fail("bind/listen");
    port_ = BoundPort(handle_);
}

LoopbackServer::~LoopbackServer() {
    close(handle_);
}

LoopbackServer::Peer LoopbackServer::Accept(Ms limit) const {
    if (!Readable(handle_, static_cast<int>(limit.count())))
        throw std::runtime_error("no connection to accept");
    const SocketHandle peer = AcceptOne(handle_);
    if (peer == kNoSocket)
        Fail("accept");
    return Peer(peer);
}

std::uint16_t LoopbackServer::UnusedPort() {
    const SocketHandle handle = OpenStream();
    const sockaddr_in a = Loopback(0);
    if (handle == kNoSocket || bind(handle, reinterpret_cast<const sockaddr*>(&a), sizeof a) != 0)
        Fail("bind");
    const std::uint16_t port = BoundPort(handle);
    close(handle);  // bound but never listening: a connect to it is refused
    return port;
}

LoopbackServer::Peer::~Peer() {
    Close();
}

LoopbackServer::Peer::Peer(Peer&& other) noexcept
    : handle_(std::exchange(other.handle_, kNoSocket)) {}

void LoopbackServer::Peer::Send(std::string_view bytes) const {
    while (!bytes.empty()) {
        const auto sent = send(handle_, bytes.data(), Count(bytes.size()), MSG_NOSIGNAL);
        if (sent < 0)
            Fail("send");
        bytes.remove_prefix(std::size_t(sent));
    }
}

std::size_t LoopbackServer::Peer::Flood(std::string_view chunk,
                                        const std::atomic<bool>& stop) const {
#ifdef _WIN32
    // Winsock has no MSG_DONTWAIT: the socket itself stops blocking.
    u_long non_blocking = 1;
    if (ioctlsocket(handle_, FIONBIO, &non_blocking) != 0)
        Fail("ioctlsocket");
    constexpr int kDontWait = 0;
    constexpr int kWouldBlock = WSAEWOULDBLOCK;
#else
    constexpr int kDontWait = MSG_DONTWAIT;
    constexpr int kWouldBlock = EAGAIN;
#endif
    std::size_t total = 0;
    std::size_t offset = 0;
    while (!stop) {
        pollfd fd{handle_, POLLOUT, 0};
        if (poll(&fd, 1, 20) <= 0)
            continue;
        const auto sent = send(handle_, chunk.data() + offset, Count(chunk.size() - offset),
                               MSG_NOSIGNAL | kDontWait);
        if (sent < 0) {
            if (LastError() == kWouldBlock)
                continue;
            break;
        }
        total += std::size_t(sent);
        offset = (offset + std::size_t(sent)) % chunk.size();
    }
    return total;
}

std::string LoopbackServer::Peer::Read(std::size_t n, Ms limit) const {
    std::string bytes;
    const auto deadline = Clock::now() + limit;
    while (bytes.size() < n && Readable(handle_, testing::MsLeft(deadline))) {
        char buffer[4096];
        const auto got = recv(handle_, buffer, Count(std::min(sizeof buffer, n - bytes.size())), 0);
        if (got <= 0)
            break;
        bytes.append(buffer, std::size_t(got));
    }
    return bytes;
}

bool LoopbackServer::Peer::ReadToEnd(std::string& bytes, Ms limit) const {
    const auto deadline = Clock::now() + limit;
    while (Readable(handle_, testing::MsLeft(deadline))) {
        char buffer[4096];
        const auto got = recv(handle_, buffer, Count(sizeof buffer), 0);
        if (got == 0)
            return true;
        if (got < 0)
            return false;
        bytes.append(buffer, std::size_t(got));
    }
    return false;
}

void LoopbackServer::Peer::Reset() {
    const linger abortive{1, 0};
    setsockopt(handle_, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abortive),
               sizeof abortive);
    Close();
}

void LoopbackServer::Peer::ShutdownSending() const {
    if (shutdown(handle_, SHUT_WR) != 0)
        Fail("shutdown");
}

void LoopbackServer::Peer::CloseSeenByTheClient() {
    ShutdownSending();
    // The client's system acknowledges the FIN once it has taken it in.
    if (!testing::WaitFor([this] { return FinAcknowledged(handle_); }))
        throw std::runtime_error("the client's system never acknowledged the close");
    Close();
}

void LoopbackServer::Peer::Close() {
    if (handle_ != kNoSocket)
        close(std::exchange(handle_, kNoSocket));
}

}  // namespace vindel::test
