// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "net/TIdTelnetReadThread.h"
#include "net/TelnetConnection.h"
#include "net/TelnetOptionParser.h"
#include "net/TelnetTypes.h"

namespace vindel {

class TIdTelnet;

using TIdTelnetDataAvailEvent =
    std::function<void(TIdTelnet& Sender, const std::u16string& Buffer)>;
using TIdTelnetCommandEvent = std::function<void(TIdTelnet& Sender, TIdTelnetCommand Status)>;

// The Telnet client that provisioning types into: one TCP connection, a
// receiving thread that hands what arrives to the user-interface thread, and
// the option negotiation. The operations are for the user-interface thread.
//
// Received bytes are processed only when that thread processes its queue
// (MainThread().CheckSynchronize(), or while Disconnect waits): a handler that
// holds the thread, as provisioning does, sees nothing negotiated meanwhile.
class TIdTelnet final : private TelnetOptionParser::Events {
  public:
    // The most undelivered bytes held while the user-interface thread is busy.
    static constexpr std::size_t InputBufferLimit = TelnetConnection::InputBufferLimit;
    // How long one pass of the receiving thread waits for the socket.
    static constexpr int ReadPassWaitMs = 50;
    // How long a write may go without the socket taking a byte before it
    // fails with 10060 "Connection timed out." and closes the connection.
    // A switch drains what is typed to it within milliseconds, and even a
    // busy one within a few seconds; a peer that has stopped reading never
    // does. 20 s is far beyond the first and about as long as Windows gives
    // a connect to a silent host (21 s), so the operator waits no longer
    // than for a switch that is off.
    static constexpr std::chrono::milliseconds kWriteStallLimit{20000};

    // The program's first component also starts the platform's socket
    // library (Socket::StartLibrary); raises EIdStackInitializationFailed.
    TIdTelnet();
    // Runs Disconnect(true), then releases the connection.
    ~TIdTelnet();
    TIdTelnet(const TIdTelnet&) = delete;
    TIdTelnet& operator=(const TIdTelnet&) = delete;

    std::u16string Host;
    std::uint16_t Port = 23;
    std::u16string Terminal = u"dumb";
    // false: deliveries run on the user-interface thread; true: on the
    // receiving thread (then nothing else may use the component meanwhile).
    bool ThreadedEvent = false;
    TIdTelnetDataAvailEvent OnDataAvailable;
    TIdTelnetCommandEvent OnTelnetCommand;

    // Opens the connection and starts the receiving thread. Writes nothing.
    void Connect();
    // Whether the connection can be written to or still has bytes to
    // deliver; reads what waits at the socket first, if there is room.
    // A failed read (a reset: 10054), met here or by the receiving thread,
    // is raised once by the next Connected, SendCh or Connect; the
    // connection is then closed, so the Connect after it starts afresh.
    // What arrived before the failure is still delivered; a Connect drops
    // what is left of it.
    bool Connected();
    // Writes one character as 7-bit ASCII ("?" for anything above 0x7F), a
    // carriage return as CR LF until the peer has shown it speaks Telnet.
    // Does nothing when not Connected. A peer that takes nothing for
    // kWriteStallLimit makes it raise 10060; the connection is then closed
    // and Connected false, as are the negotiation replies' writes.
    void SendCh(char16_t Ch);
    // Stops the receiving thread and closes the connection; runs a delivery
    // that was pending while it waits. Writes nothing, whatever ANotifyPeer.
    // Not from inside OnDataAvailable: the thread waits for that very
    // delivery, so the wait would never end.
    void Disconnect(bool ANotifyPeer);

    // Set by the first IAC delivered; cleared by Disconnect.
    bool IamTelnet() const noexcept { return fIamTelnet; }
    TIdTelnetState State() const noexcept { return fState; }
    // Bytes received and not yet delivered.
    std::size_t InputBufferSize() const;
    // For tests, which can't wait 20 s for each stalled write.
    void SetWriteStallLimit(std::chrono::milliseconds limit) noexcept {
        write_stall_limit_ = limit;
    }

  private:
    void Reply(std::string_view bytes) override;
    void TelnetCommand(TIdTelnetCommand status) override;

    bool ReadPass();
    void Deliver();
    void Write(std::string_view bytes);
    void ReleaseThread();

    bool fIamTelnet = false;
    std::chrono::milliseconds write_stall_limit_ = kWriteStallLimit;
    TIdTelnetState fState = TIdTelnetState::tnsDATA;
    // Declared before the thread, which uses it: it outlives the thread.
    std::unique_ptr<TelnetConnection> connection_;
    std::unique_ptr<TIdTelnetReadThread> TelnetThread;
};

}  // namespace vindel
