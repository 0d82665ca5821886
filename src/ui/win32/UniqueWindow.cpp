// SPDX-License-Identifier: MIT
#include "ui/win32/UniqueWindow.h"

#include <utility>

namespace vindel::win32 {

UniqueWindow::~UniqueWindow() {
    reset();
}

UniqueWindow::UniqueWindow(UniqueWindow&& other) noexcept : window_(other.release()) {}

UniqueWindow& UniqueWindow::operator=(UniqueWindow&& other) noexcept {
    if (this != &other)
        reset(other.release());
    return *this;
}

HWND UniqueWindow::release() noexcept {
    return std::exchange(window_, nullptr);
}

void UniqueWindow::reset(HWND window) noexcept {
    const HWND old = std::exchange(window_, window);
    if (old != nullptr && ::IsWindow(old))
        ::DestroyWindow(old);
}

}  // namespace vindel::win32
