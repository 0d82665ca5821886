// SPDX-License-Identifier: MIT
#pragma once

// Windows only: the Winsock backend of Socket (SocketWin32.cpp) is its user.
// <winsock2.h> before <windows.h>, which would otherwise bring the old
// Winsock 1 declarations along.
#include <winsock2.h>

#include <windows.h>
#include <ws2tcpip.h>

#include <atomic>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>

namespace vindel {

// Windows Sockets 2.2, loaded at run time rather than linked: the program
// starts on a system without it, and the failure is reported when the first
// Telnet component is made, in the client's own words.
class WinsockLibrary final {
  public:
    // Loads the library and starts it, asking for version 2.2. Raises
    // EIdStackInitializationFailed when it can't be loaded or started, and
    // EIdWinsockStubError when it lacks WSAStartup, WSACleanup or
    // WSAGetLastError. `name` is for tests; the program's is WS2_32.DLL.
    explicit WinsockLibrary(std::wstring name = L"WS2_32.DLL");
    // WSACleanup, then the library is released.
    ~WinsockLibrary();
    WinsockLibrary(const WinsockLibrary&) = delete;
    WinsockLibrary& operator=(const WinsockLibrary&) = delete;

    // The program's library: loaded and started by the first call, which the
    // first TIdTelnet makes; cleaned up as the program ends. A call that
    // raised leaves nothing behind, and the next one tries again.
    static WinsockLibrary& Program();

    // One entry point, looked up by its name at its first use and called
    // like the function itself. Raises EIdWinsockStubError when the library
    // lacks it.
    template <typename F>
    class Entry final {
      public:
        Entry(const WinsockLibrary& library, const char* name) : library_(library), name_(name) {}
        Entry(const Entry&) = delete;
        Entry& operator=(const Entry&) = delete;

        template <typename... Args>
        decltype(auto) operator()(Args&&... args) const {
            return Address()(std::forward<Args>(args)...);
        }
        F Address() const;

      private:
        const WinsockLibrary& library_;
        const char* name_;
        // Both threads of a connection may make a first call at once; each
        // finds the same address, so the race is harmless.
        mutable std::atomic<F> address_{nullptr};
    };

    const Entry<decltype(&::socket)> socket{*this, "socket"};
    const Entry<decltype(&::bind)> bind{*this, "bind"};
    const Entry<decltype(&::setsockopt)> setsockopt{*this, "setsockopt"};
    const Entry<decltype(&::connect)> connect{*this, "connect"};
    const Entry<decltype(&::select)> select{*this, "select"};
    const Entry<decltype(&::recv)> recv{*this, "recv"};
    const Entry<decltype(&::send)> send{*this, "send"};
    const Entry<decltype(&::shutdown)> shutdown{*this, "shutdown"};
    const Entry<decltype(&::closesocket)> closesocket{*this, "closesocket"};
    const Entry<decltype(&::GetAddrInfoW)> GetAddrInfoW{*this, "GetAddrInfoW"};
    const Entry<decltype(&::FreeAddrInfoW)> FreeAddrInfoW{*this, "FreeAddrInfoW"};
    // Looked up by the constructor: the error code must be read right after
    // the failed call, before any lookup could disturb it.
    const Entry<decltype(&::WSAGetLastError)> WSAGetLastError{*this, "WSAGetLastError"};

  private:
    struct ModuleFree final {
        void operator()(HMODULE module) const noexcept { ::FreeLibrary(module); }
    };

    // The address of an export; raises EIdWinsockStubError without one.
    FARPROC Lookup(const char* name) const;

    std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFree> module_;
    const Entry<decltype(&::WSAStartup)> WSAStartup{*this, "WSAStartup"};
    const Entry<decltype(&::WSACleanup)> WSACleanup{*this, "WSACleanup"};
};

template <typename F>
F WinsockLibrary::Entry<F>::Address() const {
    F address = address_.load(std::memory_order_acquire);
    if (address == nullptr) {
        // Through a function type without parameters: a direct cast from the
        // FARPROC that GetProcAddress gives is taken for a mismatch.
        address = reinterpret_cast<F>(reinterpret_cast<void (*)()>(library_.Lookup(name_)));
        address_.store(address, std::memory_order_release);
    }
    return address;
}

}  // namespace vindel
