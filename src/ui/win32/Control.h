// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "ui/win32/Form.h"
#include "ui/win32/Typeface.h"
#include "ui/win32/UniqueGdiObject.h"
#include "ui/win32/UniqueWindow.h"

namespace vindel::win32 {

// A control's place within its form's client area, in pixels at 96 dots
// per inch, as the window descriptions give it.
struct Bounds final {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// What a control is made of. Without a class name it has no window of its
// own: a label or a picture, which the form paints.
struct ControlWindow final {
    const wchar_t* className = nullptr;
    std::u16string text;
    DWORD style = 0;
    DWORD extendedStyle = 0;
    Bounds bounds;
    std::optional<Typeface> typeface;
    TextColour colour = TextColour::WindowText;
};

// What every control of a form has: its place, font and text colour, and,
// for edit boxes, combo boxes and buttons, its child window. Every control
// is visible from the start. Positions and sizes are given and reported in
// designed pixels (at 96 dots per inch) and scaled to the screen's density
// on the way to the screen.
class Control {
  public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Null for a label or a picture.
    HWND Handle() const noexcept { return window_.get(); }
    Form& Parent() const noexcept { return form_; }

    void SetVisible(bool visible);
    bool Visible() const noexcept;

    int Left() const noexcept { return bounds_.left; }
    int Top() const noexcept { return bounds_.top; }
    int Width() const noexcept { return bounds_.width; }
    int Height() const noexcept { return bounds_.height; }
    // Where the window lies in the form's client area, in screen pixels.
    const RECT& PixelBounds() const noexcept { return pixels_; }

    // The form passes on the control's notifications (WM_COMMAND) and its
    // questions for colours (WM_CTLCOLOR...).
    virtual void OnCommand(WORD /*code*/) {}
    virtual HBRUSH OnColour(HDC dc);

    // What the control writes its text with; labels and pictures have no
    // window font of their own to ask for (WM_GETFONT), so it is told here.
    HFONT Font() const noexcept { return font_.get(); }
    COLORREF Colour() const noexcept { return colour_; }

    // The control whose window this is, if any.
    static Control* FromHandle(HWND window) noexcept;

  protected:
    Control(Form& form, const ControlWindow& design);

    // Resizes the control; the form paints both places again.
    void SetPixelSize(SIZE size);
    Dpi ScreenDpi() const noexcept { return form_.ScreenDpi(); }

  private:
    Form& form_;
    // Before window_, so that the window goes first.
    UniqueFont font_;
    COLORREF colour_;
    Bounds bounds_;
    RECT pixels_;
    // Whether a control without a window shows.
    bool visible_ = true;
    UniqueWindow window_;
};

}  // namespace vindel::win32
