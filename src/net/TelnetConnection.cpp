// SPDX-License-Identifier: MIT
#include "net/TelnetConnection.h"

#include <algorithm>
#include <utility>

#include "net/EIdException.h"
#include "net/HostAddress.h"
#include "net/SocketErrors.h"

namespace vindel {

TelnetConnection::TelnetConnection() : read_buffer_(std::make_unique<char[]>(RecvBufferSize)) {}

void TelnetConnection::Open(std::u16string_view host, std::uint16_t port) {
    {
        const std::lock_guard lock(mutex_);
        InputBuffer.clear();
        ClosedGracefully = false;
        opened_ = false;
        read_failure_ = 0;
        failed_ = false;
        socket_.Close();
    }
    Socket socket = Socket::OpenTcp4();
    socket.BindAny();
    socket.SetNoDelay(false);
    socket.Connect(ResolveIPv4(host), port);
    // Marked open only once connected: a failed Open leaves nothing open.
    const std::lock_guard lock(mutex_);
    socket_ = std::move(socket);
    opened_ = true;
}

bool TelnetConnection::CanReadLocked() const {
    return opened_ && read_failure_ == 0 && InputBuffer.size() < InputBufferLimit;
}

void TelnetConnection::ReadOnceLocked() {
    if (!opened_ || read_failure_ != 0)
        return;
    try {
        if (InputBuffer.size() < InputBufferLimit) {
            ReadLocked();
        } else if (socket_.PeerHasClosed()) {
            // Nothing is read while the buffer is full, yet a write must not
            // go to a peer that has gone. The socket stays open for the bytes
            // that came before the close; their last read ends it.
            ClosedGracefully = true;
        }
    } catch (const EIdSocketError& e) {
        read_failure_ = e.LastError();
    }
}

bool TelnetConnection::ReadLocked() {
    // Tested again under the lock: the other reader may have taken the bytes
    // since, and a read on this blocking socket must never wait.
    if (!socket_.WaitReadable(0))
        return false;
    const std::size_t room = std::min(RecvBufferSize, InputBufferLimit - InputBuffer.size());
    const std::size_t got = socket_.Receive(read_buffer_.get(), room);
    if (got == 0) {
        ClosedGracefully = true;
        CloseLocked();
        return false;
    }
    InputBuffer.append(read_buffer_.get(), got);
    return true;
}

void TelnetConnection::ReportFailureLocked() {
    const int code = std::exchange(read_failure_, 0);
    CloseLocked();
    failed_ = true;
    RaiseSocketError(code);
}

void TelnetConnection::ReadWhatWaitsLocked() {
    try {
        while (opened_ && InputBuffer.size() < InputBufferLimit && ReadLocked()) {
        }
    } catch (const EIdSocketError&) {
        // A read that fails as well (Winsock reports a reset to every call)
        // has nothing more to give. The send's failure is the one to report.
    }
}

bool TelnetConnection::Poll() {
    const std::lock_guard lock(mutex_);
    ReadOnceLocked();
    if (read_failure_ != 0)
        ReportFailureLocked();
    return WritableLocked() || (!failed_ && !InputBuffer.empty());
}

bool TelnetConnection::PollWritable() {
    const std::lock_guard lock(mutex_);
    ReadOnceLocked();
    return read_failure_ == 0 && WritableLocked();
}

void TelnetConnection::WaitAndRead(int timeout_ms) {
    {
        const std::lock_guard lock(mutex_);
        if (read_failure_ != 0)
            RaiseSocketError(read_failure_);
        if (!CanReadLocked())
            return;
    }
    // The wait holds no lock, so the caller's Connected and SendCh go on
    // meanwhile. The handle stays valid: it is released only after this
    // thread has ended.
    if (!socket_.WaitReadable(timeout_ms))
        return;
    const std::lock_guard lock(mutex_);
    ReadOnceLocked();
    if (read_failure_ != 0)
        RaiseSocketError(read_failure_);
}

std::string TelnetConnection::TakeInput() {
    std::string taken;
    const std::lock_guard lock(mutex_);
    taken.swap(InputBuffer);
    return taken;
}

void TelnetConnection::DropInput() {
    const std::lock_guard lock(mutex_);
    InputBuffer.clear();
}

bool TelnetConnection::HasInput() const {
    const std::lock_guard lock(mutex_);
    return !InputBuffer.empty();
}

std::size_t TelnetConnection::InputSize() const {
    const std::lock_guard lock(mutex_);
    return InputBuffer.size();
}

bool TelnetConnection::IsClosed() const {
    const std::lock_guard lock(mutex_);
    return !opened_;
}

bool TelnetConnection::WritableLocked() const {
    return opened_ && !ClosedGracefully;
}

void TelnetConnection::Write(std::string_view bytes, int stall_limit_ms) {
    const auto closed = [] { return EIdConnClosedGracefully(u"Connection Closed Gracefully."); };
    {
        const std::lock_guard lock(mutex_);
        // The receiving thread may have met a reset since the caller's poll.
        if (read_failure_ != 0)
            ReportFailureLocked();
        if (!WritableLocked())
            throw closed();
    }
    // Sent without the lock: a send can block on a peer that doesn't read,
    // and the receiving thread must not wait for it.
    try {
        socket_.SendAll(bytes, stall_limit_ms);
    } catch (const EIdSocketError&) {
        const std::lock_guard lock(mutex_);
        // A reset the receiving thread met while this send was under way:
        // its code tells what happened (Linux gives the reset to one call
        // only, and the other then sees a broken pipe).
        if (read_failure_ != 0)
            ReportFailureLocked();
        // The end of stream, met by the receiving thread, which shut the send
        // side down: that is the closed connection, not a socket failure.
        if (!WritableLocked())
            throw closed();
        // The connection is dead, or (10060) stuck behind a peer that reads
        // nothing, which a later write would only wait for again: nothing
        // more is sent or received on it, but what it sent before is kept.
        ReadWhatWaitsLocked();
        CloseLocked();
        failed_ = true;
        throw;
    }
}

void TelnetConnection::CloseLocked() {
    if (!opened_)
        return;
    opened_ = false;
    try {
        socket_.ShutdownSend();
    } catch (const EIdSocketError&) {
        // A reset connection has no send side left to shut down (ENOTCONN);
        // it is closed all the same.
    }
}

void TelnetConnection::Close() {
    const std::lock_guard lock(mutex_);
    CloseLocked();
}

void TelnetConnection::ReleaseSocket() noexcept {
    const std::lock_guard lock(mutex_);
    opened_ = false;
    read_failure_ = 0;
    failed_ = false;
    socket_.Close();
    InputBuffer.clear();
}

}  // namespace vindel
