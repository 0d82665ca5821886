// SPDX-License-Identifier: MIT
#include "net/TIdTelnet.h"

#include <exception>
#include <system_error>

#include "common/MainThreadQueue.h"
#include "net/EIdException.h"
#include "net/Socket.h"

namespace vindel {
namespace {

// Received bytes become text as ISO 8859-1: each byte is the character of the
// same code.
std::u16string Latin1Text(std::string_view bytes) {
    std::u16string text(bytes.size(), u'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        text[i] = static_cast<unsigned char>(bytes[i]);
    return text;
}

}  // namespace

TIdTelnet::TIdTelnet() {
    Socket::StartLibrary();
}

TIdTelnet::~TIdTelnet() {
    try {
        Disconnect(true);
    } catch (...) {
        // Shutting down: a failed poll or shutdown has nobody left to tell.
    }
    ReleaseThread();
    connection_.reset();
}

void TIdTelnet::Connect() {
    if (Connected())
        throw EIdAlreadyConnected(u"Already connected.");
    if (Host.empty())
        throw EIdHostRequired(u"");
    if (Port == 0)
        throw EIdPortRequired(u"");
    // A thread left from a connection the peer closed or that failed: it
    // ends within a pass. What a failed one left undelivered belongs to that
    // connection, not to this one.
    if (connection_)
        connection_->DropInput();
    ReleaseThread();
    if (!connection_)
        connection_ = std::make_unique<TelnetConnection>();
    try {
        connection_->Open(Host, Port);
    } catch (...) {
        connection_.reset();
        throw;
    }
    try {
        TelnetThread = std::make_unique<TIdTelnetReadThread>([this] { return ReadPass(); });
    } catch (const std::system_error&) {
        Disconnect(true);
        throw EIdTelnetClientConnectError(u"Cannot create listening thread.");
    }
}

bool TIdTelnet::Connected() {
    return connection_ && connection_->Poll();
}

void TIdTelnet::SendCh(char16_t Ch) {
    if (!Connected())
        return;
    // All 16 bits are compared: 0xFF0D is no carriage return.
    if (Ch == u'\r' && !fIamTelnet) {
        Write("\r\n");
        return;
    }
    const char byte = Ch <= 0x7F ? static_cast<char>(Ch) : '?';
    Write({&byte, 1});
}

void TIdTelnet::Disconnect(bool ANotifyPeer) {
    if (TelnetThread)
        TelnetThread->Terminate();
    fIamTelnet = false;
    std::exception_ptr failure;
    try {
        if (ANotifyPeer)
            Connected();  // only polls; nothing is written
    } catch (...) {
        failure = std::current_exception();
    }
    // The socket is closed even when the poll failed: after Disconnect the
    // component is idle.
    try {
        if (connection_)
            connection_->Close();
    } catch (...) {
        if (!failure)
            failure = std::current_exception();
    }
    ReleaseThread();
    if (connection_)
        connection_->ReleaseSocket();
    if (failure)
        std::rethrow_exception(failure);
}

std::size_t TIdTelnet::InputBufferSize() const {
    return connection_ ? connection_->InputSize() : 0;
}

void TIdTelnet::ReleaseThread() {
    if (!TelnetThread)
        return;
    // The thread may be waiting for a delivery to run on this thread: run it
    // while waiting, or neither would ever go on.
    MainThread().RunUntil([this] { return TelnetThread->Finished(); });
    TelnetThread.reset();
}

bool TIdTelnet::ReadPass() {
    // Not through Connected: a failed read met here is kept for the
    // user-interface thread, which is told of it by its next Connected or
    // SendCh. What came before it is still delivered, then this thread ends.
    bool failed = false;
    try {
        connection_->WaitAndRead(ReadPassWaitMs);
    } catch (const EIdSocketError&) {
        failed = true;
    }
    if (connection_->HasInput()) {
        if (ThreadedEvent)
            Deliver();
        else
            MainThread().Synchronize([this] { Deliver(); });
    }
    return !failed && !(connection_->IsClosed() && !connection_->HasInput());
}

void TIdTelnet::Deliver() {
    const std::string received = connection_->TakeInput();
    std::string data;
    data.reserve(received.size());
    TelnetOptionParser parser(fState, fIamTelnet, Terminal, *this);
    parser.Parse(received, data);
    if (data.empty())
        return;
    if (!OnDataAvailable)
        throw EIdTelnetServerOnDataAvailableIsNil(u"OnDataAvailable event is nil.");
    OnDataAvailable(*this, Latin1Text(data));
}

void TIdTelnet::Reply(std::string_view bytes) {
    // A reply to a closed or failed connection is dropped without a word. A
    // failure met here is the caller's to hear of, by its next Connected or
    // SendCh: raised inside the delivery, it would end that delivery, and
    // the bytes that came before the failure would be lost with it.
    if (connection_->PollWritable())
        Write(bytes);
}

void TIdTelnet::TelnetCommand(TIdTelnetCommand status) {
    if (OnTelnetCommand)
        OnTelnetCommand(*this, status);
}

void TIdTelnet::Write(std::string_view bytes) {
    connection_->Write(bytes, static_cast<int>(write_stall_limit_.count()));
}

}  // namespace vindel
