// SPDX-License-Identifier: MIT
#pragma once

namespace vindel::win32 {

// The component-object apartment of the user-interface thread, for the
// system's picture decoder: entered on construction, left when the object
// goes.
class ComApartment final {
  public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    bool entered_ = false;
};

}  // namespace vindel::win32
