// SPDX-License-Identifier: MIT
#include "ui/win32/UniqueWindow.h"

#include <utility>

namespace vindel::win32 {

UniqueWindow::~UniqueWindow() {
    Reset();
}

UniqueWindow::UniqueWindow(UniqueWindow&& other) noexcept : window_(other.Release()) {}

UniqueWindow& UniqueWindow::operator=(UniqueWindow&& other) noexcept {
    if (this != &other)
        Reset(other.Release());
    return *this;
}

HWND UniqueWindow::Release() noexcept {
    return std::exchange(window_, nullptr);
}

void UniqueWindow::Reset(HWND window) noexcept {
    const HWND old = std::exchange(window_, window);
    if (old != nullptr && ::IsWindow(old))
        ::DestroyWindow(old);
}

}  // namespace vindel::win32
