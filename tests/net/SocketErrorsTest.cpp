// SPDX-License-Identifier: MIT
#include "net/SocketErrors.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <netdb.h>

#include <cerrno>
#endif

#include "FailureText.h"
#include "net/EIdException.h"

namespace vindel {
namespace {

// On Windows the platform's codes are these codes already, so the table is
// all there is between a failed call and the message.
TEST(SocketErrors, CodesGiveTheTextsOfTheTable) {
    struct Case {
        int code;
        const char16_t* message;
    };
    const Case cases[] = {
        {10004, u"Socket Error # 10004\r\nInterrupted system call."},
        {10038, u"Socket Error # 10038\r\nSocket operation on non-socket."},
        {10054, u"Socket Error # 10054\r\nConnection reset by peer."},
        {10061, u"Socket Error # 10061\r\nConnection refused."},
        {10066, u"Socket Error # 10066\r\nDirectory not empty"},  // the one without a period
        {11001, u"Socket Error # 11001\r\nHost not found."},
        // Codes outside the table: an empty text after the line break.
        {10067, u"Socket Error # 10067\r\n"},
        {11004, u"Socket Error # 11004\r\n"},
        {0, u"Socket Error # 0\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SocketErrorMessage(c.code), c.message) << c.code;
}

#ifndef _WIN32
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
        {WinsockCodeForLookup(EAI_SYSTEM, ECONNREFUSED),
         u"Socket Error # 10061\r\nConnection refused."},
        // Codes outside the table keep an empty text after the line break.
        {WinsockCodeForErrno(EIO), u"Socket Error # 5\r\n"},
        {WinsockCodeForErrno(ENOTSOCK), u"Socket Error # 10038\r\nSocket operation on non-socket."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SocketErrorMessage(c.code), c.message) << c.code;
}
#endif

// Every answer of the name lookup that means "this name has no address here"
// reads "Host not found.", the one of a missing name server included (a
// laptop cabled straight to the switch has none).
TEST(SocketErrors, NameWithNoAddressHereIsHostNotFound) {
#ifdef _WIN32
    // WSAHOST_NOT_FOUND, WSATRY_AGAIN, WSANO_RECOVERY and WSANO_DATA.
    for (const int result : {11001, 11002, 11003, 11004})
        EXPECT_EQ(SocketErrorMessage(WinsockCodeForLookup(result)),
                  u"Socket Error # 11001\r\nHost not found.")
            << result;
    EXPECT_EQ(WinsockCodeForLookup(10055), 10055);  // any other failure keeps its code
#else
    for (const int result : {EAI_NONAME, EAI_AGAIN, EAI_FAIL, EAI_NODATA, EAI_ADDRFAMILY})
        EXPECT_EQ(SocketErrorMessage(WinsockCodeForLookup(result, 0)),
                  u"Socket Error # 11001\r\nHost not found.")
            << result;
    EXPECT_EQ(WinsockCodeForLookup(EAI_MEMORY, 0), 10055);
#endif
}

TEST(SocketErrors, RaisedAsSocketErrorWithItsCodeAndNotASocketFor10038) {
    struct Case {
        int code;
        bool not_a_socket;
        const char16_t* message;
    };
    for (const Case& c :
         {Case{10061, false, u"Socket Error # 10061\r\nConnection refused."},
          Case{10038, true, u"Socket Error # 10038\r\nSocket operation on non-socket."}}) {
        testing::ExpectFailure<EIdSocketError>(
            [&] { RaiseSocketError(c.code); },
            [&](const EIdSocketError& e) {
                EXPECT_EQ(dynamic_cast<const EIdNotASocket*>(&e) != nullptr, c.not_a_socket)
                    << c.code;
                EXPECT_EQ(e.LastError(), c.code);
                EXPECT_EQ(e.Message(), c.message);
            });
    }
}

}  // namespace
}  // namespace vindel
