// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// The one place where the platform's socket errors become the Windows Sockets
// codes and texts that Vindel reports. A Winsock backend passes its codes
// straight to RaiseSocketError, but for the name lookup's; the POSIX backend
// maps errno and the name lookup's EAI_* codes first.
namespace vindel {

#ifndef _WIN32
// A Windows Sockets code for an errno value. An errno with no counterpart is
// returned unchanged (it can't collide: the Winsock codes start at 10000).
int WinsockCodeForErrno(int error);

// A Windows Sockets code for a getaddrinfo() result; EAI_SYSTEM goes by errno.
// Every failure that means "this name has no address here" is 11001.
int WinsockCodeForLookup(int result, int error);
#else
// The code to report for a failed GetAddrInfoW: as on POSIX, every failure
// that means "this name has no address here" is 11001.
int WinsockCodeForLookup(int result);
#endif

// The text of a code, e.g. "Connection refused." for 10061; empty when the
// code has none.
std::u16string SocketErrorText(int code);

// "Socket Error # %d\r\n%s".
std::u16string SocketErrorMessage(int code);

// Raises EIdSocketError for the code, or EIdNotASocket for 10038.
[[noreturn]] void RaiseSocketError(int code);

}  // namespace vindel
