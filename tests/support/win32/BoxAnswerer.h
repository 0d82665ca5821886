// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace vindel::testing {

// What a box of the program showed.
struct ShownBox final {
    HWND window = nullptr;
    HWND owner = nullptr;
    std::u16string caption;
    // The texts of its static controls, in the order of its children.
    std::vector<std::u16string> texts;
    // The icon it shows, if any.
    HICON icon = nullptr;
    std::vector<std::u16string> buttons;
    std::u16string defaultButton;
    RECT bounds{};
};

// Stands in for the operator at the program's boxes. While it lives, every
// box that opens on this thread (a dialog window: the message box, the
// task dialog, the small dialog) is read, and its "OK" pressed once `ready`
// says so. It works from a timer that the box's own modal loop dispatches,
// so `ready` runs inside that loop, on each tick, with the box open.
class BoxAnswerer final {
  public:
    using Ready = std::function<bool(const ShownBox&)>;

    explicit BoxAnswerer(Ready ready = {});
    ~BoxAnswerer();
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    const std::vector<ShownBox>& Boxes() const noexcept { return boxes_; }
    // A box stayed open longer than the time limit, `ready` never holding;
    // it was pressed anyway.
    bool TimedOut() const noexcept { return timed_out_; }

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void OnTick();

    Ready ready_;
    UINT_PTR timer_ = 0;
    std::vector<ShownBox> boxes_;
    HWND current_ = nullptr;
    HWND pressed_ = nullptr;
    std::chrono::steady_clock::time_point opened_at_;
    bool timed_out_ = false;
};

// The open box of this thread, if any.
HWND FindOpenBox();

}  // namespace vindel::testing
