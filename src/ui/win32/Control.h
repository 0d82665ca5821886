// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/Control.h"
#include "ui/WindowDescription.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/UniqueGdiObject.h"
#include "ui/win32/UniqueWindow.h"

namespace vindel::win32 {

class Form;

// The system window a control is made of: its class, text and styles.
// Without a class name it has no window of its own: a picture, which the
// form paints.
struct ControlWindow final {
    const wchar_t* className = nullptr;
    std::u16string_view text;
    DWORD style = 0;
    DWORD extendedStyle = 0;
};

// What every control of a form has on Win32: its place, font and text
// colour from its description, and, for labels, edit boxes, combo boxes and
// buttons, its child window. An input's window tells assistive technology
// the accessible name of its description (NamedAccessible). Every control
// is visible from the start.
// Positions and sizes are given and reported in designed pixels (at 96
// dots per inch) and scaled to the screen's density on the way to the
// screen.
class Control : public virtual vindel::Control {
  public:
    ~Control() override;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    bool Visible() const override;
    void SetVisible(bool visible) override;
    Bounds Geometry() const override { return bounds_; }

    // Null for a picture.
    HWND Handle() const noexcept { return window_.get(); }
    Form& Parent() const noexcept { return form_; }
    // Where the control lies in the form's client area, in screen pixels.
    const RECT& PixelBounds() const noexcept { return pixels_; }

    // The form passes on the control's notifications (WM_COMMAND) and its
    // questions for colours (WM_CTLCOLOR...).
    virtual void OnCommand(WORD /*code*/) {}
    virtual HBRUSH OnColour(HDC dc);

    // What the control writes its text with; the form draws the labels and
    // pictures itself, so it is told here rather than asked of a window.
    HFONT Font() const noexcept { return font_.get(); }
    COLORREF Colour() const noexcept { return colour_; }

    // The control whose window this is, if any.
    static Control* FromHandle(HWND window) noexcept;

  protected:
    Control(Form& form, const ControlDescription& description, const ControlWindow& window);

    // Resizes the control; the form paints both places again.
    void SetPixelSize(SIZE size);

  private:
    static LRESULT CALLBACK AccessibleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR control);

    Form& form_;
    // Before window_, so that the window goes first.
    UniqueFont font_;
    COLORREF colour_;
    Bounds bounds_;
    RECT pixels_;
    // Whether a control without a window shows.
    bool visible_ = true;
    // The name assistive technology reads; none where the window's own
    // text names it.
    std::u16string accessible_name_;
    UniqueWindow window_;
};

}  // namespace vindel::win32
