// SPDX-License-Identifier: MIT
#include "ui/win32/WindowClass.h"

#include <utility>

#include "ui/win32/LastError.h"

namespace vindel::win32 {

WindowClass::WindowClass(HINSTANCE instance, std::wstring name, WNDPROC procedure,
                         HBRUSH background, HICON icon)
    : instance_(instance), name_(std::move(name)) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.hIcon = icon;
    windowClass.lpszClassName = name_.c_str();
    if (::RegisterClassExW(&windowClass) == 0)
        ThrowLastError(u"RegisterClassExW");
}

WindowClass::~WindowClass() {
    ::UnregisterClassW(name_.c_str(), instance_);
}

}  // namespace vindel::win32
