// SPDX-License-Identifier: MIT
#include "BoxAnswerer.h"

#include "ui/win32/WindowText.h"

namespace vindel::testing {
namespace {

BoxAnswerer* active = nullptr;
constexpr auto kTimeLimit = std::chrono::seconds(20);

std::u16string ClassOf(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return std::u16string(reinterpret_cast<const char16_t*>(name));
}

struct BoxSearch final {
    HWND skip = nullptr;
    HWND found = nullptr;
};

BOOL CALLBACK FindBox(HWND window, LPARAM search) {
    auto& s = *reinterpret_cast<BoxSearch*>(search);
    if (window != s.skip && ::IsWindowVisible(window) && ClassOf(window) == u"#32770") {
        s.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindBoxBut(HWND skip) {
    BoxSearch search{skip, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK ReadChild(HWND child, LPARAM shown) {
    auto& box = *reinterpret_cast<ShownBox*>(shown);
    if (!::IsWindowVisible(child))
        return TRUE;
    const std::u16string className = ClassOf(child);
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(child, GWL_STYLE));
    if (className == u"Static" && (style & SS_TYPEMASK) == SS_ICON) {
        box.icon = reinterpret_cast<HICON>(::SendMessageW(child, STM_GETICON, 0, 0));
    } else if (className == u"Static") {
        const std::u16string text = win32::WindowText(child);
        if (!text.empty())
            box.texts.push_back(text);
    } else if (className == u"Button") {
        box.buttons.push_back(win32::WindowText(child));
    }
    return TRUE;
}

ShownBox Read(HWND window) {
    ShownBox box;
    box.window = window;
    box.owner = ::GetWindow(window, GW_OWNER);
    box.caption = win32::WindowText(window);
    ::GetWindowRect(window, &box.bounds);
    ::EnumChildWindows(window, &ReadChild, reinterpret_cast<LPARAM>(&box));
    const auto defaultId = ::SendMessageW(window, DM_GETDEFID, 0, 0);
    if (HIWORD(defaultId) == DC_HASDEFID)
        box.defaultButton = win32::WindowText(::GetDlgItem(window, LOWORD(defaultId)));
    return box;
}

void PressOk(HWND box) {
    const HWND ok = ::GetDlgItem(box, IDOK);
    if (ok != nullptr)
        ::SendMessageW(ok, BM_CLICK, 0, 0);
    else
        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
}

}  // namespace

BoxAnswerer::BoxAnswerer(Ready ready) : ready_(std::move(ready)) {
    active = this;
    timer_ = ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &BoxAnswerer::Tick);
}

BoxAnswerer::~BoxAnswerer() {
    ::KillTimer(nullptr, timer_);
    active = nullptr;
}

void CALLBACK BoxAnswerer::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (active != nullptr)
        active->OnTick();
}

void BoxAnswerer::OnTick() {
    // A box pressed a moment ago may still be on its way out.
    const HWND box = FindBoxBut(pressed_);
    if (box == nullptr)
        return;
    if (box != current_) {
        current_ = box;
        opened_at_ = std::chrono::steady_clock::now();
        boxes_.push_back(Read(box));
    }
    const bool late = std::chrono::steady_clock::now() - opened_at_ > kTimeLimit;
    if (!ready_ || ready_(boxes_.back()) || late) {
        timed_out_ = timed_out_ || late;
        pressed_ = box;
        current_ = nullptr;
        PressOk(box);
    }
}

HWND FindOpenBox() {
    return FindBoxBut(nullptr);
}

}  // namespace vindel::testing
