// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <utility>

namespace vindel::win32 {

// A GDI object (a font, a bitmap, a brush), deleted when the wrapper goes.
// The object must not be selected into a device context by then.
template <typename Handle>
class UniqueGdiObject final {
  public:
    UniqueGdiObject() = default;
    explicit UniqueGdiObject(Handle handle) noexcept : handle_(handle) {}
    ~UniqueGdiObject() { reset(); }
    UniqueGdiObject(UniqueGdiObject&& other) noexcept
        : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueGdiObject& operator=(UniqueGdiObject&& other) noexcept {
        if (this != &other)
            reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    UniqueGdiObject(const UniqueGdiObject&) = delete;
    UniqueGdiObject& operator=(const UniqueGdiObject&) = delete;

    explicit operator bool() const noexcept { return handle_ != nullptr; }
    Handle get() const noexcept { return handle_; }

    void reset(Handle handle = nullptr) noexcept {
        if (handle_ != nullptr)
            ::DeleteObject(handle_);
        handle_ = handle;
    }

  private:
    Handle handle_ = nullptr;
};

using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;

}  // namespace vindel::win32
