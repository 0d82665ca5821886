// SPDX-License-Identifier: MIT
// The Windows backend of the code page: the system's ANSI code page, through
// the platform's own conversions, so that Vindel writes and types what any
// other program of that system would.
#include <windows.h>

#include <climits>
#include <stdexcept>

#include "common/CodePage.h"

namespace vindel {
namespace {

// The ANSI code page, asked once. The operator can't change it without a
// restart, and one answer for the whole run keeps a file written early
// readable late.
UINT AnsiCodePage() {
    static const UINT code_page = ::GetACP();
    return code_page;
}

// Asked while the program starts, not at the first conversion.
[[maybe_unused]] const UINT kAskedAtStart = AnsiCodePage();

int Length(std::size_t size) {
    if (size > static_cast<std::size_t>(INT_MAX))
        throw std::length_error("text too long for the code page conversion");
    return static_cast<int>(size);
}

}  // namespace

std::string ToAnsi(std::u16string_view text) {
    if (text.empty())
        return {};
    // No flags and no default character of our own: a character the code page
    // lacks becomes the platform's best fit, else the code page's default.
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = Length(text.size());
    const int needed =
        ::WideCharToMultiByte(AnsiCodePage(), 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(needed > 0 ? needed : 0), '\0');
    if (needed > 0) {
        ::WideCharToMultiByte(AnsiCodePage(), 0, wide, length, out.data(), needed, nullptr,
                              nullptr);
    }
    return out;
}

std::u16string FromAnsi(std::string_view bytes) {
    if (bytes.empty())
        return {};
    const int length = Length(bytes.size());
    const int needed = ::MultiByteToWideChar(AnsiCodePage(), 0, bytes.data(), length, nullptr, 0);
    std::u16string out(static_cast<std::size_t>(needed > 0 ? needed : 0), u'\0');
    if (needed > 0) {
        ::MultiByteToWideChar(AnsiCodePage(), 0, bytes.data(), length,
                              reinterpret_cast<wchar_t*>(out.data()), needed);
    }
    return out;
}

}  // namespace vindel
