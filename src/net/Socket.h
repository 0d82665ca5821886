#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vindel {

// One IPv4 TCP socket in blocking mode, closed when the object goes. The
// operations are the ones the Telnet client needs and no more, so that a
// Winsock backend only has to provide this class (Socket.cpp is the POSIX
// one). Every failure raises EIdSocketError with a Windows Sockets code.
class Socket final {
  public:
    Socket() = default;
    ~Socket();
    Socket(Socket&& other) noexcept;
    Socket& operator=(Socket&& other) noexcept;
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    static Socket OpenTcp4();

    bool IsValid() const noexcept { return handle_ >= 0; }

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
    // Writes every byte, sending again after a partial write. Never raises
    // SIGPIPE: a closed connection is an error like any other.
    void SendAll(std::string_view bytes) const;
    void ShutdownSend() const;
    void Close() noexcept;

  private:
    explicit Socket(int handle) : handle_(handle) {}

    int handle_ = -1;
};

}  // namespace vindel
