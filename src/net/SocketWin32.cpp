// SPDX-License-Identifier: MIT
// The Winsock 2.2 backend of Socket. The library is loaded at run time
// (WinsockLibrary), and its error codes are Windows Sockets codes already, so
// they go to RaiseSocketError as they come.
#include <climits>
#include <cstring>
#include <memory>
#include <utility>

#include "common/Win32.h"
#include "net/EIdException.h"
#include "net/Socket.h"
#include "net/SocketErrors.h"
#include "net/WinsockLibrary.h"

namespace vindel {
namespace {

WinsockLibrary& Library() {
    return WinsockLibrary::Program();
}

SOCKET Native(Socket::Handle handle) {
    return static_cast<SOCKET>(handle);
}

[[noreturn]] void RaiseLastError() {
    RaiseSocketError(Library().WSAGetLastError());
}

// An IPv4 address and port, both given in host byte order. The bytes are
// placed one by one, so no byte-order function of the library is needed.
sockaddr_in SocketAddress(std::uint32_t address, std::uint16_t port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    const unsigned char address_bytes[4] = {
        static_cast<unsigned char>(address >> 24), static_cast<unsigned char>(address >> 16),
        static_cast<unsigned char>(address >> 8), static_cast<unsigned char>(address)};
    std::memcpy(&a.sin_addr, address_bytes, sizeof address_bytes);
    const unsigned char port_bytes[2] = {static_cast<unsigned char>(port >> 8),
                                         static_cast<unsigned char>(port)};
    std::memcpy(&a.sin_port, port_bytes, sizeof port_bytes);
    return a;
}

std::uint32_t HostOrder(const in_addr& address) {
    unsigned char bytes[4];
    std::memcpy(bytes, &address, sizeof bytes);
    return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
           std::uint32_t{bytes[2]} << 8 | std::uint32_t{bytes[3]};
}

// Winsock counts bytes in an int.
int ChunkSize(std::size_t size) {
    return size > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(size);
}

enum class Readiness { Readable, Writable };

// Whether the socket becomes readable or writable within `timeout_ms`. The
// set is filled by hand: FD_ISSET would call into the library by a name the
// linker has to find, and with one socket in the set the count select gives
// says it all.
bool WaitFor(Socket::Handle handle, Readiness readiness, int timeout_ms) {
    fd_set one{};
    one.fd_count = 1;
    one.fd_array[0] = Native(handle);
    timeval limit{};
    limit.tv_sec = timeout_ms / 1000;
    limit.tv_usec = (timeout_ms % 1000) * 1000;
    const bool readable = readiness == Readiness::Readable;
    const int ready =
        Library().select(0, readable ? &one : nullptr, readable ? nullptr : &one, nullptr, &limit);
    if (ready == SOCKET_ERROR)
        RaiseLastError();
    return ready > 0;
}

struct AddressListFree final {
    void operator()(ADDRINFOW* list) const noexcept {
        try {
            Library().FreeAddrInfoW(list);
        } catch (...) {
            // Only if the library lacked it; the list is then lost, nothing else.
        }
    }
};

}  // namespace

void Socket::StartLibrary() {
    Library();
}

std::uint32_t Socket::LookupIPv4(std::u16string_view name) {
    ADDRINFOW hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    ADDRINFOW* found = nullptr;
    const std::wstring wide = Wide(name);
    // GetAddrInfoW gives its error code as its result.
    const int result = Library().GetAddrInfoW(wide.c_str(), nullptr, &hints, &found);
    if (result != 0)
        RaiseSocketError(WinsockCodeForLookup(result));
    const std::unique_ptr<ADDRINFOW, AddressListFree> owner(found);
    for (const ADDRINFOW* a = found; a != nullptr; a = a->ai_next) {
        if (a->ai_family == AF_INET && a->ai_addr != nullptr) {
            sockaddr_in in{};
            std::memcpy(&in, a->ai_addr, sizeof in);
            return HostOrder(in.sin_addr);
        }
    }
    RaiseSocketError(WSAHOST_NOT_FOUND);
}

Socket Socket::OpenTcp4() {
    const SOCKET handle = Library().socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (handle == INVALID_SOCKET)
        RaiseLastError();
    return Socket(static_cast<Handle>(handle));
}

void Socket::BindAny() {
    const sockaddr_in local = SocketAddress(0, 0);  // INADDR_ANY, a port of the system's
    if (Library().bind(Native(handle_), reinterpret_cast<const sockaddr*>(&local),
                       static_cast<int>(sizeof local)) != 0)
        throw EIdCouldNotBindSocket(u"Could not bind socket. Address and port are already in use.");
}

void Socket::SetNoDelay(bool on) {
    const BOOL value = on ? TRUE : FALSE;
    if (Library().setsockopt(Native(handle_), IPPROTO_TCP, TCP_NODELAY,
                             reinterpret_cast<const char*>(&value),
                             static_cast<int>(sizeof value)) != 0)
        RaiseLastError();
}

void Socket::Connect(std::uint32_t address, std::uint16_t port) {
    const sockaddr_in remote = SocketAddress(address, port);
    if (Library().connect(Native(handle_), reinterpret_cast<const sockaddr*>(&remote),
                          static_cast<int>(sizeof remote)) != 0)
        RaiseLastError();
}

bool Socket::WaitReadable(int timeout_ms) const {
    return WaitFor(handle_, Readiness::Readable, timeout_ms);
}

std::size_t Socket::Receive(char* buffer, std::size_t size) const {
    const int got = Library().recv(Native(handle_), buffer, ChunkSize(size), 0);
    if (got == SOCKET_ERROR)
        RaiseLastError();
    return static_cast<std::size_t>(got);
}

bool Socket::PeerHasClosed() const {
    if (!WaitReadable(0))
        return false;
    // A peek takes nothing: 0 is the close, a failure the reset, and a byte
    // means the close, if any, still waits behind unread ones.
    char byte = 0;
    const int got = Library().recv(Native(handle_), &byte, 1, MSG_PEEK);
    if (got == SOCKET_ERROR)
        RaiseLastError();
    return got == 0;
}

void Socket::SendAll(std::string_view bytes, int stall_limit_ms) const {
    // Windows raises no signal for a closed connection; the send fails. The
    // socket stays blocking for the receiving thread, so select() waits for
    // room first, with the limit: once the socket is writable, a send of the
    // few bytes the client writes at a time doesn't block. The socket's own
    // send time-out, at the same limit, ends a send that blocks all the same
    // with that very code.
    const DWORD send_limit = static_cast<DWORD>(stall_limit_ms);
    if (Library().setsockopt(Native(handle_), SOL_SOCKET, SO_SNDTIMEO,
                             reinterpret_cast<const char*>(&send_limit),
                             static_cast<int>(sizeof send_limit)) != 0)
        RaiseLastError();
    while (!bytes.empty()) {
        if (!WaitFor(handle_, Readiness::Writable, stall_limit_ms))
            RaiseSocketError(WSAETIMEDOUT);
        const int sent = Library().send(Native(handle_), bytes.data(), ChunkSize(bytes.size()), 0);
        if (sent == SOCKET_ERROR)
            RaiseLastError();
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
}

void Socket::ShutdownSend() const {
    if (Library().shutdown(Native(handle_), SD_SEND) != 0)
        RaiseLastError();
}

void Socket::Close() noexcept {
    if (handle_ == kNoHandle)
        return;
    const SOCKET handle = Native(std::exchange(handle_, kNoHandle));
    try {
        Library().closesocket(handle);
    } catch (...) {
        // Only if the library lacked closesocket: nothing is left to do.
    }
}

}  // namespace vindel
