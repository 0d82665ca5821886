// SPDX-License-Identifier: MIT
#include "net/WinsockLibrary.h"

#include "common/Text.h"
#include "common/Win32.h"
#include "net/EIdException.h"

namespace vindel {
namespace {

// ": " and the system's text, when the system gave a code at all. Where it
// has no text for the code (wine has none for the Winsock ones) the code
// itself stands there, so that the message never ends in a bare ": ".
std::u16string WithSystemText(std::u16string message, DWORD code) {
    if (code == 0)
        return message;
    const std::u16string text = SystemErrorText(code);
    return message + u": " + (text.empty() ? DecimalText(code) : text);
}

}  // namespace

WinsockLibrary::WinsockLibrary(std::wstring name) {
    const std::u16string loading = u"Error on loading Winsock2 library (" + FromWide(name) + u")";
    module_.reset(::LoadLibraryW(name.c_str()));
    if (!module_)
        throw EIdStackInitializationFailed(WithSystemText(loading, ::GetLastError()));
    WSAGetLastError.Address();
    WSACleanup.Address();
    WSADATA data{};
    const int result = WSAStartup(MAKEWORD(2, 2), &data);
    if (result != 0)
        throw EIdStackInitializationFailed(WithSystemText(loading, static_cast<DWORD>(result)));
    if (data.wVersion != MAKEWORD(2, 2)) {
        WSACleanup();
        throw EIdStackInitializationFailed(WithSystemText(loading, WSAVERNOTSUPPORTED));
    }
}

WinsockLibrary::~WinsockLibrary() {
    WSACleanup();
}

WinsockLibrary& WinsockLibrary::Program() {
    static WinsockLibrary library;
    return library;
}

FARPROC WinsockLibrary::Lookup(const char* name) const {
    if (const FARPROC address = ::GetProcAddress(module_.get(), name))
        return address;
    throw EIdWinsockStubError(WithSystemText(
        u"Error on call to Winsock2 library function " + FromUtf8(name), ::GetLastError()));
}

}  // namespace vindel
