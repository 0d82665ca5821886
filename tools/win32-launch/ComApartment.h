// SPDX-License-Identifier: MIT
#pragma once

#include <objbase.h>

namespace vindel {

// The calling thread's membership of a single-threaded COM apartment, for as
// long as the object lives; the shell's shortcut object needs one.
class ComApartment final {
  public:
    ComApartment() noexcept
        : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (initialised_)
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    bool Initialised() const noexcept { return initialised_; }

  private:
    bool initialised_;
};

}  // namespace vindel
