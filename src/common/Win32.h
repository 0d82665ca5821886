// SPDX-License-Identifier: MIT
#pragma once

// Small pieces that every Windows backend of the core needs. Windows only.
#include <windows.h>

#include <string>
#include <string_view>

namespace vindel {

// A kernel handle (a file, say), closed when the object goes.
class UniqueHandle final {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) noexcept : handle_(handle) {}
    ~UniqueHandle();
    UniqueHandle(UniqueHandle&& other) noexcept;
    UniqueHandle& operator=(UniqueHandle&& other) noexcept;
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    // CreateFileW says INVALID_HANDLE_VALUE, most others nullptr.
    explicit operator bool() const noexcept {
        return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE;
    }
    HANDLE get() const noexcept { return handle_; }
    // Closes now and reports whether the close succeeded.
    bool Close() noexcept;

  private:
    HANDLE handle_ = nullptr;
};

// Texts in memory are UTF-16, and so are Windows' wide texts: the same code
// units under another type.
std::wstring Wide(std::u16string_view text);
std::u16string FromWide(std::wstring_view text);

// The system's description of an error code (GetLastError and friends), with
// the line break FormatMessage ends it with removed; empty when the system
// has none.
std::u16string SystemErrorText(DWORD code);

}  // namespace vindel
