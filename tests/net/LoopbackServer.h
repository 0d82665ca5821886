// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vindel::test {

// A listening TCP socket on 127.0.0.1 with a port of the system's choosing,
// for a client test to connect to. Everything fails with a gtest failure or
// an exception: a test needs no error handling of its own. On Windows it uses
// Winsock directly (linked, not loaded), started on its own.
class LoopbackServer final {
  public:
    using Ms = std::chrono::milliseconds;
#ifdef _WIN32
    using SocketHandle = std::uintptr_t;  // SOCKET
#else
    using SocketHandle = int;
#endif

    // The accepted end of one connection.
    class Peer final {
      public:
        explicit Peer(SocketHandle handle) : handle_(handle) {}
        ~Peer();
        Peer(Peer&& other) noexcept;
        Peer& operator=(Peer&&) = delete;
        Peer(const Peer&) = delete;
        Peer& operator=(const Peer&) = delete;

        void Send(std::string_view bytes) const;
        // Sends `chunk` again and again, reading nothing, until `stop` is set
        // or the connection fails; never blocks for long, so a client that
        // has stopped reading doesn't hold it. The bytes that went out.
        std::size_t Flood(std::string_view chunk, const std::atomic<bool>& stop) const;
        // Reads until `n` bytes have come or `limit` has passed.
        std::string Read(std::size_t n, Ms limit = Ms(5000)) const;
        // Reads until the client's end of stream; false if it hasn't come
        // within `limit`. The bytes read on the way go to `bytes`.
        bool ReadToEnd(std::string& bytes, Ms limit = Ms(5000)) const;
        // Closes with a reset (SO_LINGER 0) in place of a FIN.
        void Reset();
        // Sends a FIN but goes on reading: the client sees the peer's close,
        // and what it writes meanwhile draws no reset.
        void ShutdownSending() const;
        // Sends a FIN and closes once the client's system has acknowledged
        // it: from then on the client's next read finds the end of stream.
        void CloseSeenByTheClient();
        void Close();
        SocketHandle Handle() const { return handle_; }

      private:
        SocketHandle handle_;
    };

    LoopbackServer();
    // With `small_buffers`, the connections it accepts advertise a small
    // receive window and a small segment size, which keeps the client's
    // send buffer small too: a peer that reads nothing stalls the client
    // after kilobytes, not megabytes. Best effort where the system ignores it.
    explicit LoopbackServer(bool small_buffers);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    std::uint16_t Port() const {
        return port_;
    }
    Peer Accept(Ms limit = Ms(5000)) const;

    // A loopback port nothing listens on, for a refused connect.
    static std::uint16_t UnusedPort();

  private:
    SocketHandle handle_;
    std::uint16_t port_;
};

}  // namespace vindel::test
