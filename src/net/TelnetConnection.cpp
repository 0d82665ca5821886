#include "net/TelnetConnection.h"

#include <algorithm>

#include "net/EIdException.h"
#include "net/HostAddress.h"

namespace vindel {

TelnetConnection::TelnetConnection() : read_buffer_(std::make_unique<char[]>(RecvBufferSize)) {}

void TelnetConnection::Open(std::u16string_view host, std::uint16_t port) {
    {
        const std::lock_guard lock(mutex_);
        InputBuffer.clear();
        ClosedGracefully = false;
        opened_ = false;
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
    return opened_ && InputBuffer.size() < InputBufferLimit;
}

void TelnetConnection::ReadOnceLocked() {
    // Tested again under the lock: the other reader may have taken the bytes
    // since, and a read on this blocking socket must never wait.
    if (!CanReadLocked() || !socket_.WaitReadable(0))
        return;
    const std::size_t room = std::min(RecvBufferSize, InputBufferLimit - InputBuffer.size());
    const std::size_t got = socket_.Receive(read_buffer_.get(), room);
    if (got == 0) {
        ClosedGracefully = true;
        CloseLocked();
        return;
    }
    InputBuffer.append(read_buffer_.get(), got);
}

bool TelnetConnection::Poll() {
    const std::lock_guard lock(mutex_);
    ReadOnceLocked();
    return WritableLocked() || !InputBuffer.empty();
}

void TelnetConnection::WaitAndRead(int timeout_ms) {
    {
        const std::lock_guard lock(mutex_);
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
}

std::string TelnetConnection::TakeInput() {
    std::string taken;
    const std::lock_guard lock(mutex_);
    taken.swap(InputBuffer);
    return taken;
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

void TelnetConnection::Write(std::string_view bytes) {
    const auto closed = [] { return EIdConnClosedGracefully(u"Connection Closed Gracefully."); };
    {
        const std::lock_guard lock(mutex_);
        if (!WritableLocked())
            throw closed();
    }
    // Sent without the lock: a send can block on a peer that doesn't read,
    // and the receiving thread must not wait for it.
    try {
        socket_.SendAll(bytes);
    } catch (const EIdSocketError&) {
        // The receiving thread may have met the end of stream and shut the
        // send side down while this send was under way; that is the closed
        // connection, not a socket failure.
        const std::lock_guard lock(mutex_);
        if (!WritableLocked())
            throw closed();
        throw;
    }
}

void TelnetConnection::CloseLocked() {
    if (!opened_)
        return;
    opened_ = false;
    socket_.ShutdownSend();
}

void TelnetConnection::Close() {
    const std::lock_guard lock(mutex_);
    CloseLocked();
}

void TelnetConnection::ReleaseSocket() noexcept {
    const std::lock_guard lock(mutex_);
    opened_ = false;
    socket_.Close();
    InputBuffer.clear();
}

}  // namespace vindel
