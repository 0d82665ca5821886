// SPDX-License-Identifier: MIT
// A stand-in for WS2_32.DLL with only the three functions that starting and
// stopping the library needs, for testing how WinsockLibrary meets a library
// that can't be started or lacks a function. Windows only; built as a DLL.
//
// <winsock2.h> is left out on purpose: it declares these names as imports.
#include <cstdint>
#include <cstring>

namespace {

int startup_result = 0;
std::uint16_t startup_version = 0x0202;
int balance = 0;

}  // namespace

extern "C" {

__declspec(dllexport) int __stdcall WSAStartup(std::uint16_t /*requested*/, void* data) {
    if (startup_result != 0)
        return startup_result;
    // WSADATA begins with the version granted, then the highest supported.
    std::memcpy(data, &startup_version, sizeof startup_version);
    std::memcpy(static_cast<char*>(data) + 2, &startup_version, sizeof startup_version);
    ++balance;
    return 0;
}

__declspec(dllexport) int __stdcall WSACleanup() {
    --balance;
    return 0;
}

__declspec(dllexport) int __stdcall WSAGetLastError() {
    return 0;
}

// For the test: what the next WSAStartup answers.
__declspec(dllexport) void FakeWinsockSetStartup(int result, std::uint16_t version) {
    startup_result = result;
    startup_version = version;
}

// Successful starts less cleanups.
__declspec(dllexport) int FakeWinsockBalance() {
    return balance;
}

}  // extern "C"
