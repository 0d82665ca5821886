// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

namespace vindel {

// One IPv4 TCP socket in blocking mode, closed when the object goes. The
// operations are the ones the Telnet client needs and no more, so that each
// platform's backend only has to provide this class: SocketPosix.cpp is the POSIX
// one, SocketWin32.cpp the Winsock 2.2 one. Every failure raises
// EIdSocketError with a Windows Sockets code.
class Socket final {
  public:
#ifdef _WIN32
    // A Winsock SOCKET, under its own integer type so that this header needs
    // no <winsock2.h>.
    using Handle = std::uintptr_t;
    static constexpr Handle kNoHandle = ~Handle{0};  // INVALID_SOCKET
#else
    using Handle = int;
    static constexpr Handle kNoHandle = -1;
#endif

    Socket() = default;
    ~Socket() {
        Close();
    }
    Socket(Socket&& other) noexcept : handle_(std::exchange(other.handle_, kNoHandle)) {}
    Socket& operator=(Socket&& other) noexcept {
        if (this != &other) {
            Close();
            handle_ = std::exchange(other.handle_, kNoHandle);
        }
        return *this;
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    // Loads and starts the platform's socket library, once for the program;
    // the first network component calls it. On Windows that is WS2_32.DLL
    // with WSAStartup asking for 2.2, released at program end; raises
    // EIdStackInitializationFailed or EIdWinsockStubError. POSIX has nothing
    // to start.
    static void StartLibrary();

    // The first IPv4 stream address of a name lookup, in host byte order.
    // Raises EIdSocketError: 11001 "Host not found." for a name that has no
    // address here, also when no name server can be asked.
    static std::uint32_t LookupIPv4(std::u16string_view name);

    static Socket OpenTcp4();

    bool IsValid() const noexcept {
        return handle_ != kNoHandle;
    }

    // Any local address and a port the platform picks; raises
    // EIdCouldNotBindSocket.
    void BindAny();
    // false keeps Nagle's algorithm on.
    void SetNoDelay(bool on);
    // Blocks for as long as the platform's TCP connect takes.
    void Connect(std::uint32_t address, std::uint16_t port);

    // Whether a read would not block (data, end of stream or an error),
    // waiting up to `timeout_ms`; 0 tests without waiting.
    bool WaitReadable(int timeout_ms) const;
    // One read of at most `size` bytes; 0 means end of stream.
    std::size_t Receive(char* buffer, std::size_t size) const;
    // Without taking any byte: whether the peer has closed its side. A reset
    // raises its code, as a read would. Winsock tells a close only once every
    // byte before it has been read; Linux tells it as soon as it has come.
    bool PeerHasClosed() const;
    // Writes every byte, sending again after a partial write. Never raises
    // SIGPIPE: a closed connection is an error like any other. When the
    // socket takes no byte for `stall_limit_ms` (a peer that reads nothing
    // leaves no room in the buffers), raises 10060 "Connection timed out.",
    // as a send that runs into the platform's send time-out does; the limit
    // starts again after every byte that goes out.
    void SendAll(std::string_view bytes, int stall_limit_ms) const;
    void ShutdownSend() const;
    void Close() noexcept;

  private:
    explicit Socket(Handle handle) : handle_(handle) {}

    Handle handle_ = kNoHandle;
};

}  // namespace vindel
