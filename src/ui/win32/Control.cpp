// SPDX-License-Identifier: MIT
#include "ui/win32/Control.h"

#include <commctrl.h>

#include <optional>

#include "ui/HandlerGuard.h"
#include "ui/win32/ControlFont.h"
#include "ui/win32/Form.h"
#include "ui/win32/LastError.h"
#include "ui/win32/NamedAccessible.h"

namespace vindel::win32 {
namespace {

// The window property that leads from a window to its control.
constexpr wchar_t kControlProperty[] = L"Vindel.Control";
// The subclass that answers assistive technology for a named input.
constexpr UINT_PTR kAccessibleSubclass = 2;

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
      accessible_name_(description.accessibleName),
      window_(window.className != nullptr
                  ? form.CreateChild(window.className, window.text, window.style | WS_VISIBLE,
                                     window.extendedStyle, pixels_)
                  : nullptr) {
    if (!window_)
        return;
    ::SetPropW(window_.get(), kControlProperty, this);
    if (font_)
        ::SendMessageW(window_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    if (!accessible_name_.empty() &&
        !::SetWindowSubclass(window_.get(), &Control::AccessibleProc, kAccessibleSubclass,
                             reinterpret_cast<DWORD_PTR>(this)))
        ThrowLastError(u"SetWindowSubclass");
}

Control::~Control() {
    if (window_ && ::IsWindow(window_.get()) && FromHandle(window_.get()) == this) {
        ::RemovePropW(window_.get(), kControlProperty);
        if (!accessible_name_.empty())
            ::RemoveWindowSubclass(window_.get(), &Control::AccessibleProc, kAccessibleSubclass);
    } else
        window_.release();  // none, or gone with its form already
    form_.Invalidate(pixels_);
}

LRESULT CALLBACK Control::AccessibleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR /*id*/, DWORD_PTR control) {
    if (message == WM_GETOBJECT) {
        std::optional<LRESULT> answer;
        RunGuarded([&] {
            answer = NamedAccessible::Answer(
                window, wParam, lParam,
                reinterpret_cast<const Control*>(control)->accessible_name_);
        });
        if (answer)
            return *answer;
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
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
