// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "common/Exception.h"

// The failures of the Telnet client. Each carries the text the operator sees.
namespace vindel {

class EIdException : public Exception {
  public:
    using Exception::Exception;
};

class EIdAlreadyConnected final : public EIdException {
  public:
    using EIdException::EIdException;
};

class EIdHostRequired final : public EIdException {
  public:
    using EIdException::EIdException;
};

class EIdPortRequired final : public EIdException {
  public:
    using EIdException::EIdException;
};

class EIdCouldNotBindSocket final : public EIdException {
  public:
    using EIdException::EIdException;
};

class EIdConnClosedGracefully final : public EIdException {
  public:
    using EIdException::EIdException;
};

class EIdTelnetClientConnectError final : public EIdException {
  public:
    using EIdException::EIdException;
};

class EIdTelnetServerOnDataAvailableIsNil final : public EIdException {
  public:
    using EIdException::EIdException;
};

// The platform's socket library can't be loaded or started: "Error on loading
// Winsock2 library (WS2_32.DLL)", with ": " and the system's text after it
// when the system gives an error code.
class EIdStackInitializationFailed final : public EIdException {
  public:
    using EIdException::EIdException;
};

// The socket library lacks a function at its first use: "Error on call to
// Winsock2 library function %s", with the code's text as above.
class EIdWinsockStubError final : public EIdException {
  public:
    using EIdException::EIdException;
};

// A failed socket call. The code is a Windows Sockets code (see
// SocketErrors.h), whatever the platform, so that the operator reads the same
// number and text everywhere.
class EIdSocketError : public EIdException {
  public:
    EIdSocketError(int code, std::u16string message);

    int LastError() const noexcept { return code_; }

  private:
    int code_;
};

// Code 10038, "Socket operation on non-socket."
class EIdNotASocket final : public EIdSocketError {
  public:
    using EIdSocketError::EIdSocketError;
};

}  // namespace vindel
