// SPDX-License-Identifier: MIT
// The POSIX backend of Socket.
#include "net/Socket.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <memory>
#include <string>
#include <utility>

#include "common/Text.h"
#include "net/EIdException.h"
#include "net/SocketErrors.h"

namespace vindel {
namespace {

[[noreturn]] void RaiseLastError() {
    RaiseSocketError(WinsockCodeForErrno(errno));
}

// Takes the socket's pending error (SO_ERROR, which reading clears) and
// raises it; nothing when there is none.
void RaisePendingError(Socket::Handle handle) {
    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(handle, SOL_SOCKET, SO_ERROR, &error, &length) != 0)
        RaiseLastError();
    if (error != 0)
        RaiseSocketError(WinsockCodeForErrno(error));
}

// What Winsock reports for a send that has met its time-out: WSAETIMEDOUT.
constexpr int kSendTimedOut = 10060;

// Whether the socket has room for a byte within `limit_ms`. An error or the
// peer's close counts as writable: the send that follows reports it.
bool WaitWritable(Socket::Handle handle, int limit_ms) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(limit_ms);
    for (;;) {
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd fd{handle, POLLOUT, 0};
        const int ready = ::poll(&fd, 1, left > 0 ? static_cast<int>(left) : 0);
        if (ready > 0)
            return true;
        if (ready == 0)
            return false;
        // A signal only shortens the wait.
        if (errno != EINTR)
            RaiseLastError();
    }
}

}  // namespace

void Socket::StartLibrary() {}

std::uint32_t Socket::LookupIPv4(std::u16string_view name) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const std::string utf8 = ToUtf8(name);
    const int result = getaddrinfo(utf8.c_str(), nullptr, &hints, &found);
    if (result != 0)
        RaiseSocketError(WinsockCodeForLookup(result, errno));
    const std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> owner(found, &freeaddrinfo);
    for (const addrinfo* a = found; a != nullptr; a = a->ai_next) {
        if (a->ai_family == AF_INET && a->ai_addr != nullptr) {
            sockaddr_in in{};
            std::memcpy(&in, a->ai_addr, sizeof in);
            return ntohl(in.sin_addr.s_addr);
        }
    }
    RaiseSocketError(WinsockCodeForLookup(EAI_NONAME, 0));
}

Socket Socket::OpenTcp4() {
    const int handle = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, IPPROTO_TCP);
    if (handle < 0)
        RaiseLastError();
    return Socket(handle);
}

void Socket::BindAny() {
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    local.sin_port = 0;
    if (::bind(handle_, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0)
        throw EIdCouldNotBindSocket(u"Could not bind socket. Address and port are already in use.");
}

void Socket::SetNoDelay(bool on) {
    const int value = on ? 1 : 0;
    if (::setsockopt(handle_, IPPROTO_TCP, TCP_NODELAY, &value, sizeof value) != 0)
        RaiseLastError();
}

void Socket::Connect(std::uint32_t address, std::uint16_t port) {
    sockaddr_in remote{};
    remote.sin_family = AF_INET;
    remote.sin_addr.s_addr = htonl(address);
    remote.sin_port = htons(port);
    if (::connect(handle_, reinterpret_cast<const sockaddr*>(&remote), sizeof remote) == 0)
        return;
    if (errno != EINTR)
        RaiseLastError();
    // A signal cut the wait short, but the connect goes on in the background;
    // wait for its outcome, as an uninterrupted call would have.
    pollfd fd{handle_, POLLOUT, 0};
    while (::poll(&fd, 1, -1) < 0) {
        if (errno != EINTR)
            RaiseLastError();
    }
    RaisePendingError(handle_);
}

bool Socket::WaitReadable(int timeout_ms) const {
    pollfd fd{handle_, POLLIN, 0};
    const int ready = ::poll(&fd, 1, timeout_ms);
    if (ready < 0) {
        // A signal only shortens the wait; the caller waits again.
        if (errno == EINTR)
            return false;
        RaiseLastError();
    }
    if (ready > 0 && (fd.revents & POLLNVAL) != 0)
        RaiseSocketError(WinsockCodeForErrno(ENOTSOCK));
    return ready > 0;
}

std::size_t Socket::Receive(char* buffer, std::size_t size) const {
    for (;;) {
        const ssize_t got = ::recv(handle_, buffer, size, 0);
        if (got >= 0)
            return std::size_t(got);
        if (errno != EINTR)
            RaiseLastError();
    }
}

bool Socket::PeerHasClosed() const {
#ifdef POLLRDHUP
    // The peer's FIN, even with bytes before it still unread.
    constexpr short kClosed = POLLHUP | POLLRDHUP;
#else
    constexpr short kClosed = POLLHUP;
#endif
    pollfd fd{handle_, kClosed, 0};
    if (::poll(&fd, 1, 0) < 0) {
        if (errno == EINTR)
            return false;
        RaiseLastError();
    }
    if ((fd.revents & POLLNVAL) != 0)
        RaiseSocketError(WinsockCodeForErrno(ENOTSOCK));
    if ((fd.revents & POLLERR) != 0) {
        // A reset: its error is taken here, so a read won't report it again.
        RaisePendingError(handle_);
    }
    return (fd.revents & kClosed) != 0;
}

void Socket::SendAll(std::string_view bytes, int stall_limit_ms) const {
    // The socket stays blocking for the receiving thread; only the send must
    // not wait without end, so it never blocks and poll() does the waiting.
    while (!bytes.empty()) {
        const ssize_t sent =
            ::send(handle_, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent >= 0) {
            bytes.remove_prefix(std::size_t(sent));
            continue;
        }
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK)
            RaiseLastError();
        if (!WaitWritable(handle_, stall_limit_ms))
            RaiseSocketError(kSendTimedOut);
    }
}

void Socket::ShutdownSend() const {
    if (::shutdown(handle_, SHUT_WR) != 0)
        RaiseLastError();
}

void Socket::Close() noexcept {
    if (handle_ != kNoHandle)
        ::close(std::exchange(handle_, kNoHandle));
}

}  // namespace vindel
