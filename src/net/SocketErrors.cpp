// SPDX-License-Identifier: MIT
#include "net/SocketErrors.h"

#ifndef _WIN32
#include <netdb.h>

#include <cerrno>
#endif
#include <utility>

#include "common/Text.h"
#include "net/EIdException.h"

namespace vindel {
namespace {

#ifndef _WIN32
// errno to Windows Sockets. A table, not a switch: some errno names share a
// value on Linux (EAGAIN and EWOULDBLOCK, ENOTSUP and EOPNOTSUPP).
constexpr std::pair<int, int> kErrnoCodes[] = {
    {EINTR, 10004},
    {EBADF, 10009},
    {EACCES, 10013},
    {EPERM, 10013},
    {EFAULT, 10014},
    {EINVAL, 10022},
    {EMFILE, 10024},
    {ENFILE, 10024},
    {EWOULDBLOCK, 10035},
    {EAGAIN, 10035},
    {EINPROGRESS, 10036},
    {EALREADY, 10037},
    {ENOTSOCK, 10038},
    {EDESTADDRREQ, 10039},
    {EMSGSIZE, 10040},
    {EPROTOTYPE, 10041},
    {ENOPROTOOPT, 10042},
    {EPROTONOSUPPORT, 10043},
    {ESOCKTNOSUPPORT, 10044},
    {EOPNOTSUPP, 10045},
    {EPFNOSUPPORT, 10046},
    {EAFNOSUPPORT, 10047},
    {EADDRINUSE, 10048},
    {EADDRNOTAVAIL, 10049},
    {ENETDOWN, 10050},
    {ENETUNREACH, 10051},
    {ENETRESET, 10052},
    {ECONNABORTED, 10053},
    {ECONNRESET, 10054},
    {ENOBUFS, 10055},
    {ENOMEM, 10055},
    {EISCONN, 10056},
    {ENOTCONN, 10057},
    {ESHUTDOWN, 10058},
    // Linux's answer to a send after the connection was shut down or closed,
    // where Windows says WSAESHUTDOWN.
    {EPIPE, 10058},
    {ETOOMANYREFS, 10059},
    {ETIMEDOUT, 10060},
    {ECONNREFUSED, 10061},
    {ELOOP, 10062},
    {ENAMETOOLONG, 10063},
    {EHOSTDOWN, 10064},
    {EHOSTUNREACH, 10065},
    {ENOTEMPTY, 10066},
};
#endif

constexpr std::pair<int, const char16_t*> kTexts[] = {
    {10004, u"Interrupted system call."},
    {10009, u"Bad file number."},
    {10013, u"Access denied."},
    {10014, u"Buffer fault."},
    {10022, u"Invalid argument."},
    {10024, u"Too many open files."},
    {10035, u"Operation would block."},
    {10036, u"Operation now in progress."},
    {10037, u"Operation already in progress."},
    {10038, u"Socket operation on non-socket."},
    {10039, u"Destination address required."},
    {10040, u"Message too long."},
    {10041, u"Protocol wrong type for socket."},
    {10042, u"Bad protocol option."},
    {10043, u"Protocol not supported."},
    {10044, u"Socket type not supported."},
    {10045, u"Operation not supported on socket."},
    {10046, u"Protocol family not supported."},
    {10047, u"Address family not supported by protocol family."},
    {10048, u"Address already in use."},
    {10049, u"Cannot assign requested address."},
    {10050, u"Network is down."},
    {10051, u"Network is unreachable."},
    {10052, u"Net dropped connection or reset."},
    {10053, u"Software caused connection abort."},
    {10054, u"Connection reset by peer."},
    {10055, u"No buffer space available."},
    {10056, u"Socket is already connected."},
    {10057, u"Socket is not connected."},
    {10058, u"Cannot send or receive after socket is closed."},
    {10059, u"Too many references, cannot splice."},
    {10060, u"Connection timed out."},
    {10061, u"Connection refused."},
    {10062, u"Too many levels of symbolic links."},
    {10063, u"File name too long."},
    {10064, u"Host is down."},
    {10065, u"No route to host."},
    {10066, u"Directory not empty"},
    {11001, u"Host not found."},
};

constexpr int kNotASocket = 10038;
constexpr int kHostNotFound = 11001;  // WSAHOST_NOT_FOUND

}  // namespace

#ifndef _WIN32
int WinsockCodeForErrno(int error) {
    for (const auto& [posix, winsock] : kErrnoCodes) {
        if (posix == error)
            return winsock;
    }
    return error;
}

int WinsockCodeForLookup(int result, int error) {
    switch (result) {
        // Every answer that means "this name has no address here" is "Host
        // not found.": with no name server (a laptop cabled straight to the
        // switch) a name gives EAI_AGAIN, and a bare code would tell the
        // operator nothing.
        case EAI_NONAME:
        case EAI_AGAIN:
        case EAI_FAIL:
#ifdef EAI_NODATA
        case EAI_NODATA:
#endif
#ifdef EAI_ADDRFAMILY
        case EAI_ADDRFAMILY:
#endif
            return kHostNotFound;
        case EAI_FAMILY:
            return 10047;
        case EAI_SOCKTYPE:
            return 10044;
        case EAI_SERVICE:
            return 10109;  // WSATYPE_NOT_FOUND
        case EAI_MEMORY:
            return 10055;
        case EAI_SYSTEM:
            return WinsockCodeForErrno(error);
        default:
            return 10022;
    }
}
#else
int WinsockCodeForLookup(int result) {
    switch (result) {
        case 11002:  // WSATRY_AGAIN: no name server answered
        case 11003:  // WSANO_RECOVERY
        case 11004:  // WSANO_DATA: the name has no IPv4 address
            return kHostNotFound;
        default:
            return result;
    }
}
#endif

std::u16string SocketErrorText(int code) {
    for (const auto& [known, text] : kTexts) {
        if (known == code)
            return text;
    }
    return {};
}

std::u16string SocketErrorMessage(int code) {
    return u"Socket Error # " + DecimalText(code) + u"\r\n" + SocketErrorText(code);
}

void RaiseSocketError(int code) {
    if (code == kNotASocket)
        throw EIdNotASocket(code, SocketErrorMessage(code));
    throw EIdSocketError(code, SocketErrorMessage(code));
}

}  // namespace vindel
