// SPDX-License-Identifier: MIT
// Prints what the visible windows of the program under test show: each
// top-level window of Vindel's forms and of its boxes, then the text of
// every child window in it, and for a form the texts of its visible labels,
// which have no windows and are asked of the form (ui/win32/ShownTexts.h);
// one line each, UTF-8. Run under wine beside the program; the end-to-end
// test reads its output.
//
//   window <class> <owned|unowned> <caption>
//     <child class> <child text>
//     Label <label text>
//
// A password box's text is the switch password: it is never asked for, and
// its line shows only how many characters the box holds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

#include "common/Text.h"
#include "common/Win32.h"
#include "ui/win32/ShownTexts.h"

namespace {

std::string Utf8(std::wstring_view text) {
    return vindel::ToUtf8(vindel::FromWide(text));
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
    const std::wstring window_class = ClassOf(child);
    const std::string name = Utf8(window_class);
    if (::lstrcmpiW(window_class.c_str(), L"Edit") == 0 &&
        (::GetWindowLongW(child, GWL_STYLE) & ES_PASSWORD) != 0) {
        DWORD_PTR length = 0;
        ::SendMessageTimeoutW(child, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length);
        std::printf("  %s (password, %u characters)\n", name.c_str(),
                    static_cast<unsigned>(length));
        return TRUE;
    }
    std::printf("  %s %s\n", name.c_str(), Utf8(TextOf(child)).c_str());
    return TRUE;
}

// Receives the forms' answers.
LRESULT CALLBACK AnswerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COPYDATA)
        return ::DefWindowProcW(window, message, wParam, lParam);
    const auto& answer = *reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (answer.dwData != vindel::win32::kShownTextsAnswer)
        return FALSE;
    std::wstring_view texts(static_cast<const wchar_t*>(answer.lpData),
                            answer.cbData / sizeof(wchar_t));
    while (!texts.empty()) {
        const std::size_t end = std::min(texts.find(L'\n'), texts.size());
        std::printf("  Label %s\n", Utf8(texts.substr(0, end)).c_str());
        texts.remove_prefix(std::min(end + 1, texts.size()));
    }
    return TRUE;
}

HWND answer_window = nullptr;

BOOL CALLBACK PrintWindow(HWND window, LPARAM) {
    const std::wstring name = ClassOf(window);
    if (!::IsWindowVisible(window) || (name != L"VindelForm" && name != L"#32770"))
        return TRUE;
    const bool owned = ::GetWindow(window, GW_OWNER) != nullptr;
    std::printf("window %s %s %s\n", Utf8(name).c_str(), owned ? "owned" : "unowned",
                Utf8(TextOf(window)).c_str());
    ::EnumChildWindows(window, PrintChild, 0);
    if (name == L"VindelForm")
        ::SendMessageTimeoutW(window, vindel::win32::ShownTextsRequestMessage(),
                              reinterpret_cast<WPARAM>(answer_window), 0, SMTO_ABORTIFHUNG, 2000,
                              nullptr);
    return TRUE;
}

}  // namespace

int main() {
    WNDCLASSW answers{};
    answers.lpfnWndProc = AnswerProc;
    answers.hInstance = ::GetModuleHandleW(nullptr);
    answers.lpszClassName = L"VindelWindowTextsAnswers";
    ::RegisterClassW(&answers);
    answer_window = ::CreateWindowExW(0, answers.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                      nullptr, answers.hInstance, nullptr);
    ::EnumWindows(PrintWindow, 0);
    std::fflush(stdout);
    return 0;
}
