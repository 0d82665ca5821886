// SPDX-License-Identifier: MIT
#include "common/Win32.h"

#include <memory>
#include <utility>

namespace vindel {
namespace {

struct LocalMemoryFree final {
    void operator()(wchar_t* memory) const noexcept { ::LocalFree(memory); }
};

}  // namespace

UniqueHandle::~UniqueHandle() {
    Close();
}

UniqueHandle::UniqueHandle(UniqueHandle&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)) {}

UniqueHandle& UniqueHandle::operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

bool UniqueHandle::Close() noexcept {
    const bool open = static_cast<bool>(*this);
    const HANDLE handle = std::exchange(handle_, nullptr);
    return !open || ::CloseHandle(handle) != 0;
}

std::wstring Wide(std::u16string_view text) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}

std::u16string FromWide(std::wstring_view text) {
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

std::u16string SystemErrorText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    const std::unique_ptr<wchar_t, LocalMemoryFree> owner(buffer);
    if (length == 0 || buffer == nullptr)
        return {};
    std::u16string text = FromWide({buffer, length});
    while (!text.empty() && (text.back() == u'\r' || text.back() == u'\n' || text.back() == u' '))
        text.pop_back();
    return text;
}

}  // namespace vindel
