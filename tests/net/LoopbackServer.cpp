#include "LoopbackServer.h"

#include <arpa/inet.h>
#include <dirent.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace vindel::test {
namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void Fail(const char* what) {
    throw std::runtime_error(std::string(what) + ": " + std::strerror(errno));
}

sockaddr_in Loopback(std::uint16_t port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(port);
    return a;
}

std::uint16_t BoundPort(int handle) {
    sockaddr_in a{};
    socklen_t length = sizeof a;
    if (getsockname(handle, reinterpret_cast<sockaddr*>(&a), &length) != 0)
        Fail("getsockname");
    return ntohs(a.sin_port);
}

int MsLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

bool Readable(int handle, int ms) {
    pollfd fd{handle, POLLIN, 0};
    return poll(&fd, 1, ms) > 0;
}

}  // namespace

LoopbackServer::LoopbackServer() : handle_(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
    if (handle_ < 0)
        Fail("socket");
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
    const int peer = accept4(handle_, nullptr, nullptr, SOCK_CLOEXEC);
    if (peer < 0)
        Fail("accept");
    return Peer(peer);
}

std::uint16_t LoopbackServer::UnusedPort() {
    const int handle = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_in a = Loopback(0);
    if (handle < 0 || bind(handle, reinterpret_cast<const sockaddr*>(&a), sizeof a) != 0)
        Fail("bind");
    const std::uint16_t port = BoundPort(handle);
    close(handle);  // bound but never listening: a connect to it is refused
    return port;
}

LoopbackServer::Peer::~Peer() {
    Close();
}

LoopbackServer::Peer::Peer(Peer&& other) noexcept : handle_(std::exchange(other.handle_, -1)) {}

void LoopbackServer::Peer::Send(std::string_view bytes) const {
    while (!bytes.empty()) {
        const ssize_t sent = send(handle_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent < 0)
            Fail("send");
        bytes.remove_prefix(std::size_t(sent));
    }
}

std::string LoopbackServer::Peer::Read(std::size_t n, Ms limit) const {
    std::string bytes;
    const auto deadline = Clock::now() + limit;
    while (bytes.size() < n && Readable(handle_, MsLeft(deadline))) {
        char buffer[4096];
        const ssize_t got = recv(handle_, buffer, std::min(sizeof buffer, n - bytes.size()), 0);
        if (got <= 0)
            break;
        bytes.append(buffer, std::size_t(got));
    }
    return bytes;
}

std::string LoopbackServer::Peer::ReadFor(Ms quiet) const {
    std::string bytes;
    while (Readable(handle_, static_cast<int>(quiet.count()))) {
        char buffer[4096];
        const ssize_t got = recv(handle_, buffer, sizeof buffer, 0);
        if (got <= 0)
            break;
        bytes.append(buffer, std::size_t(got));
    }
    return bytes;
}

bool LoopbackServer::Peer::ReadToEnd(std::string& bytes, Ms limit) const {
    const auto deadline = Clock::now() + limit;
    while (Readable(handle_, MsLeft(deadline))) {
        char buffer[4096];
        const ssize_t got = recv(handle_, buffer, sizeof buffer, 0);
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
    setsockopt(handle_, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
    Close();
}

void LoopbackServer::Peer::Close() {
    if (handle_ >= 0)
        close(std::exchange(handle_, -1));
}

int ThreadCount() {
    int count = 0;
    if (DIR* tasks = opendir("/proc/self/task")) {
        while (const dirent* entry = readdir(tasks)) {
            if (entry->d_name[0] != '.')
                ++count;
        }
        closedir(tasks);
    }
    return count;
}

}  // namespace vindel::test
