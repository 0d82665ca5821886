// SPDX-License-Identifier: MIT
// Windows only: how the client loads and starts Winsock, and what it says when
// it can't.
#include "net/WinsockLibrary.h"

#include <gtest/gtest.h>

#include <string>

#include "FailureText.h"
#include "common/Text.h"
#include "common/Win32.h"
#include "net/EIdException.h"
#include "net/Socket.h"
#include "net/TIdTelnet.h"

namespace vindel {
namespace {

using testing::FailureText;

// ": " and what the system says about the code, or the code where it has no
// text for it.
std::u16string SystemSays(DWORD code) {
    const std::u16string text = SystemErrorText(code);
    return u": " + (text.empty() ? DecimalText(code) : text);
}

// This program doesn't link ws2_32, so only the client's own loading can
// bring it in.
TEST(WinsockLibrary, LoadedAtRunTimeWhenTheFirstComponentIsMade) {
    ASSERT_EQ(GetModuleHandleW(L"ws2_32.dll"), nullptr) << "linked, not loaded at run time";
    {
        const TIdTelnet first;
        EXPECT_NE(GetModuleHandleW(L"ws2_32.dll"), nullptr);
    }
    // Started once for the program: it stays while the program runs.
    EXPECT_NE(GetModuleHandleW(L"ws2_32.dll"), nullptr);
    TIdTelnet second;
    EXPECT_FALSE(second.Connected());
}

TEST(WinsockLibrary, MissingLibraryCannotBeLoaded) {
    EXPECT_EQ(FailureText<EIdStackInitializationFailed>(
                  [] { WinsockLibrary library(L"vindel-no-such-library.dll"); }),
              u"Error on loading Winsock2 library (vindel-no-such-library.dll)" +
                  SystemSays(ERROR_MOD_NOT_FOUND));
}

// fake_winsock.dll has WSAStartup, WSACleanup and WSAGetLastError and nothing
// else; its WSAStartup answers as the test tells it.
class FakeWinsockTest : public ::testing::Test {
  protected:
    using SetStartup = void (*)(int, unsigned short);
    using Balance = int (*)();

    void SetUp() override {
        module_ = LoadLibraryW(L"fake_winsock.dll");
        ASSERT_NE(module_, nullptr) << "fake_winsock.dll belongs beside the test program";
        set_startup_ = reinterpret_cast<SetStartup>(
            reinterpret_cast<void (*)()>(GetProcAddress(module_, "FakeWinsockSetStartup")));
        balance_ = reinterpret_cast<Balance>(
            reinterpret_cast<void (*)()>(GetProcAddress(module_, "FakeWinsockBalance")));
        ASSERT_NE(set_startup_, nullptr);
        ASSERT_NE(balance_, nullptr);
        set_startup_(0, 0x0202);
    }
    void TearDown() override {
        if (module_ != nullptr)
            FreeLibrary(module_);
    }

    HMODULE module_ = nullptr;
    SetStartup set_startup_ = nullptr;
    Balance balance_ = nullptr;
};

TEST_F(FakeWinsockTest, StartsAskingForTwoPointTwoAndCleansUpWhenItGoes) {
    {
        const WinsockLibrary library(L"fake_winsock.dll");
        EXPECT_EQ(balance_(), 1);
    }
    EXPECT_EQ(balance_(), 0);
}

TEST_F(FakeWinsockTest, StartThatFailsOrGrantsAnotherVersion) {
    struct Case {
        int result;
        unsigned short version;
        DWORD code;
    };
    const Case cases[] = {
        {WSASYSNOTREADY, 0x0202, WSASYSNOTREADY},
        {WSAVERNOTSUPPORTED, 0x0202, WSAVERNOTSUPPORTED},
        {0, 0x0101, WSAVERNOTSUPPORTED},  // started, but only 1.1: stopped again
    };
    for (const Case& c : cases) {
        set_startup_(c.result, c.version);
        EXPECT_EQ(FailureText<EIdStackInitializationFailed>(
                      [] { WinsockLibrary library(L"fake_winsock.dll"); }),
                  u"Error on loading Winsock2 library (fake_winsock.dll)" + SystemSays(c.code))
            << c.result;
        EXPECT_EQ(balance_(), 0);
    }
}

TEST_F(FakeWinsockTest, FunctionTheLibraryLacksFailsAtItsFirstUse) {
    const WinsockLibrary library(L"fake_winsock.dll");
    const std::u16string lacking = SystemSays(ERROR_PROC_NOT_FOUND);
    EXPECT_EQ(FailureText<EIdWinsockStubError>(
                  [&] { library.socket(AF_INET, SOCK_STREAM, IPPROTO_TCP); }),
              u"Error on call to Winsock2 library function socket" + lacking);
    char byte = 0;
    EXPECT_EQ(FailureText<EIdWinsockStubError>([&] { library.recv(0, &byte, 1, 0); }),
              u"Error on call to Winsock2 library function recv" + lacking);
    // Asked again, it fails again: nothing wrong is remembered.
    EXPECT_EQ(FailureText<EIdWinsockStubError>([&] { library.recv(0, &byte, 1, 0); }),
              u"Error on call to Winsock2 library function recv" + lacking);
    EXPECT_EQ(library.WSAGetLastError(), 0);
}

// Only a numeric name: anything else would go to the machine's resolver.
// What it checks is the way from GetAddrInfoW's answer to the address.
TEST(WinsockLibrary, LookupGivesTheAddressInHostOrder) {
    const TIdTelnet component;  // starts the library
    EXPECT_EQ(Socket::LookupIPv4(u"127.1.2.3"), 0x7F010203u);
}

}  // namespace
}  // namespace vindel
