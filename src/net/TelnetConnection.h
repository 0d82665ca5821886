// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "net/Socket.h"

namespace vindel {

// The client's connection: the socket, the bytes received and not yet
// delivered, and whether the peer has closed. Two threads read from it (the
// caller's Connected and the receiving thread), so each read-and-append and
// each take is one step under the lock.
//
// "Closing" the socket (the peer's end of stream, or Disconnect) shuts down
// its send side and marks it closed at once; the handle itself is released
// only by Open or ReleaseSocket, which the owner calls once the receiving
// thread has ended. So a thread waiting on the socket never sees its handle
// reused.
//
// A failed read is kept and raised again by every later read, as Winsock does
// (Linux reports a reset to one read only, and end of stream afterwards). The
// caller's thread is told once, by Poll or Write, whichever thread met it:
// then the connection is closed. A failed write ends the connection the same
// way. What arrived before the failure stays to be taken (a switch that
// refuses a login says so, then resets): the failed connection no longer
// counts as connected, yet its bytes are delivered; the next Open drops
// whatever is left.
class TelnetConnection final {
  public:
    // The most bytes one read takes from the socket.
    static constexpr std::size_t RecvBufferSize = 32768;
    // The most undelivered bytes held. While the buffer is full nothing is
    // read, and TCP flow control holds the rest at the peer.
    static constexpr std::size_t InputBufferLimit = std::size_t{1} << 20;

    TelnetConnection();

    // Makes a socket, binds it to any local port, keeps Nagle on, finds
    // `host` and connects to it, blocking as long as the platform's connect
    // does. Raises on failure, leaving the connection closed.
    void Open(std::u16string_view host, std::uint16_t port);

    // Reads once, without waiting, if the socket is readable and the buffer
    // has room; with the buffer full, looks for the peer's close or reset
    // without reading. Then tells whether the connection can be written to
    // or still has bytes to deliver. Raises a failed read, kept or new, and
    // closes the connection; from then on the answer is false, though bytes
    // that came before the failure may still wait to be taken.
    bool Poll();
    // The receiving thread's wait: up to `timeout_ms` for the socket to turn
    // readable, then a read as in Poll. Waits not at all when nothing could be
    // read (closed, or the buffer full). Raises a failed read, kept or new,
    // and keeps it for the caller's thread.
    void WaitAndRead(int timeout_ms);

    // Reads once, without waiting, like Poll, and tells whether a write could
    // go out now. A failed read is kept for the next Poll or Write, never
    // raised here: for the replies of a delivery, which must not take the
    // report meant for the caller's own calls.
    bool PollWritable();

    // Takes every undelivered byte, in arrival order.
    std::string TakeInput();
    // Drops every undelivered byte.
    void DropInput();
    bool HasInput() const;
    std::size_t InputSize() const;
    // The socket is closed: by the peer, or by Close.
    bool IsClosed() const;

    // The writing path: raises EIdConnClosedGracefully once the connection is
    // known to be closed, also while bytes remain to be delivered, and a
    // kept failed read before anything is sent. A send that makes no
    // progress for `stall_limit_ms` fails with 10060 (see Socket::SendAll);
    // like every failed send, it closes the connection.
    void Write(std::string_view bytes, int stall_limit_ms);

    // Shuts the send side down and marks the socket closed, if it is open. A
    // failing shutdown (a reset connection has no send side left) is no
    // failure: the socket is closed all the same.
    void Close();
    // Releases the socket's handle and drops undelivered bytes. Only once no
    // other thread can touch the socket.
    void ReleaseSocket() noexcept;

  private:
    bool CanReadLocked() const;
    // One read, or with the buffer full a look for the peer's close; a failed
    // one is kept in read_failure_, not raised.
    void ReadOnceLocked();
    // A read of what waits at the socket, if anything; raises a failed one.
    // Tells whether it took bytes (not at the end of stream, which closes).
    bool ReadLocked();
    void CloseLocked();
    // Raises the kept failure, once, after closing the connection. Its
    // undelivered bytes stay for delivery.
    [[noreturn]] void ReportFailureLocked();
    // After a failed send: takes in what still waits at the socket, without
    // waiting and up to the limit. A send that met the peer's reset has taken
    // its error, and the bytes that came before it can still be read.
    void ReadWhatWaitsLocked();
    bool WritableLocked() const;

    mutable std::mutex mutex_;
    Socket socket_;
    std::string InputBuffer;
    std::unique_ptr<char[]> read_buffer_;  // one read's bytes, before they are appended
    bool ClosedGracefully = false;
    bool opened_ = false;   // set by Open, cleared when the socket is closed
    int read_failure_ = 0;  // the code of a failed read, until the caller is told
    bool failed_ = false;   // the caller was told of a failure; cleared by Open
};

}  // namespace vindel
