// SPDX-License-Identifier: MIT
// Prints what the visible windows of the program under test show: each
// top-level window of Vindel's forms and of its boxes, then the text of
// every child window in it (labels keep their text in their window), one
// line each, UTF-8. Run under wine beside the program; the end-to-end test
// reads its output.
//
//   window <class> <owned|unowned> <caption>
//     <child class> <child text>
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
    if (text.empty())
        return {};
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                          size, nullptr, nullptr);
    return bytes;
}

// The window's text as its window procedure gives it, across processes.
std::wstring TextOf(HWND window) {
    wchar_t text[1024] = {};
    DWORD_PTR length = 0;
    ::SendMessageTimeoutW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text),
                          SMTO_ABORTIFHUNG, 2000, &length);
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
    std::printf("  %s %s\n", Utf8(ClassOf(child)).c_str(), Utf8(TextOf(child)).c_str());
    return TRUE;
}

BOOL CALLBACK PrintWindow(HWND window, LPARAM) {
    const std::wstring name = ClassOf(window);
    if (!::IsWindowVisible(window) || (name != L"VindelForm" && name != L"#32770"))
        return TRUE;
    const bool owned = ::GetWindow(window, GW_OWNER) != nullptr;
    std::printf("window %s %s %s\n", Utf8(name).c_str(), owned ? "owned" : "unowned",
                Utf8(TextOf(window)).c_str());
    ::EnumChildWindows(window, PrintChild, 0);
    return TRUE;
}

}  // namespace

int main() {
    ::EnumWindows(PrintWindow, 0);
    std::fflush(stdout);
    return 0;
}
