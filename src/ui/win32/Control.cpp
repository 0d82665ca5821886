// SPDX-License-Identifier: MIT
#include "ui/win32/Control.h"

#include "ui/win32/ControlFont.h"
#include "ui/win32/Form.h"

namespace vindel::win32 {
namespace {

// The window property that leads from a window to its control.
constexpr wchar_t kControlProperty[] = L"Vindel.Control";

RECT ScaledBounds(const Bounds& bounds, Dpi dpi) {
    const int left = dpi.Scale(bounds.left);
    const int top = dpi.Scale(bounds.top);
    return {left, top, left + dpi.Scale(bounds.width), top + dpi.Scale(bounds.height)};
}

// Pictures have no font.
UniqueFont FontOf(const ControlDescription& description, Dpi dpi) {
    if (description.font.family.empty())
        return UniqueFont();
    return ControlFont(description.font, dpi);
}

}  // namespace

Control::Control(Form& form, const ControlDescription& description, const ControlWindow& window)
    : form_(form),
      font_(FontOf(description, form.ScreenDpi())),
      colour_(ColourRef(description.colour)),
      bounds_(description.bounds),
      pixels_(ScaledBounds(description.bounds, form.ScreenDpi())),
      window_(window.className != nullptr
                  ? form.CreateChild(window.className, window.text, window.style | WS_VISIBLE,
                                     window.extendedStyle, pixels_)
                  : nullptr) {
    if (!window_)
        return;
    ::SetPropW(window_.get(), kControlProperty, this);
    if (font_)
        ::SendMessageW(window_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

Control::~Control() {
    if (window_ && ::IsWindow(window_.get()) && FromHandle(window_.get()) == this)
        ::RemovePropW(window_.get(), kControlProperty);
    else
        window_.release();  // none, or gone with its form already
    form_.Invalidate(pixels_);
}

Control* Control::FromHandle(HWND window) noexcept {
    if (window == nullptr)
        return nullptr;
    return static_cast<Control*>(::GetPropW(window, kControlProperty));
}

void Control::SetVisible(bool visible) {
    if (visible == Visible())
        return;
    if (window_)
        ::ShowWindow(window_.get(), visible ? SW_SHOWNA : SW_HIDE);
    else
        visible_ = visible;
    form_.Invalidate(pixels_);
}

bool Control::Visible() const {
    if (!window_)
        return visible_;
    return (::GetWindowLongPtrW(window_.get(), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Control::SetPixelSize(SIZE size) {
    const RECT before = pixels_;
    pixels_.right = pixels_.left + size.cx;
    pixels_.bottom = pixels_.top + size.cy;
    const Dpi dpi = form_.ScreenDpi();
    bounds_.width = dpi.Unscale(size.cx);
    bounds_.height = dpi.Unscale(size.cy);
    if (window_)
        ::SetWindowPos(window_.get(), nullptr, 0, 0, size.cx, size.cy,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    form_.Invalidate(before);
    form_.Invalidate(pixels_);
}

HBRUSH Control::OnColour(HDC dc) {
    ::SetTextColor(dc, colour_);
    ::SetBkColor(dc, kFormBackground);
    return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
}

}  // namespace vindel::win32
