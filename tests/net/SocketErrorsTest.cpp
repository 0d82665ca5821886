#include "net/SocketErrors.h"

#include <gtest/gtest.h>
#include <netdb.h>

#include <cerrno>

#include "net/EIdException.h"

namespace vindel {
namespace {

// The failures an operator meets, from the platform's error to the message.
TEST(SocketErrors, PlatformErrorsBecomeWindowsSocketsMessages) {
    struct Case {
        int code;
        const char16_t* message;
    };
    const Case cases[] = {
        {WinsockCodeForErrno(ECONNREFUSED), u"Socket Error # 10061\r\nConnection refused."},
        {WinsockCodeForErrno(ETIMEDOUT), u"Socket Error # 10060\r\nConnection timed out."},
        {WinsockCodeForErrno(ECONNRESET), u"Socket Error # 10054\r\nConnection reset by peer."},
        {WinsockCodeForErrno(EPIPE),
         u"Socket Error # 10058\r\nCannot send or receive after socket is closed."},
        {WinsockCodeForErrno(EHOSTUNREACH), u"Socket Error # 10065\r\nNo route to host."},
        {WinsockCodeForErrno(ENETUNREACH), u"Socket Error # 10051\r\nNetwork is unreachable."},
        {WinsockCodeForLookup(EAI_NONAME, 0), u"Socket Error # 11001\r\nHost not found."},
        {WinsockCodeForLookup(EAI_SYSTEM, ECONNREFUSED),
         u"Socket Error # 10061\r\nConnection refused."},
        // Codes outside the table keep an empty text after the line break.
        {WinsockCodeForLookup(EAI_AGAIN, 0), u"Socket Error # 11002\r\n"},
        {WinsockCodeForErrno(EIO), u"Socket Error # 5\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SocketErrorMessage(c.code), c.message) << c.code;
}

TEST(SocketErrors, RaisedAsSocketErrorWithItsCodeAndNotASocketFor10038) {
    try {
        RaiseSocketError(10061);
        FAIL();
    } catch (const EIdNotASocket&) {
        FAIL() << "10061 is no EIdNotASocket";
    } catch (const EIdSocketError& e) {
        EXPECT_EQ(e.LastError(), 10061);
        EXPECT_EQ(e.Message(), u"Socket Error # 10061\r\nConnection refused.");
    }
    try {
        RaiseSocketError(WinsockCodeForErrno(ENOTSOCK));
        FAIL();
    } catch (const EIdNotASocket& e) {
        EXPECT_EQ(e.LastError(), 10038);
        EXPECT_EQ(e.Message(), u"Socket Error # 10038\r\nSocket operation on non-socket.");
    }
}

}  // namespace
}  // namespace vindel
