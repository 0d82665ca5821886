// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/Form.h"
#include "ui/ScreenFit.h"
#include "ui/WindowDescription.h"
#include "ui/win32/Control.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/UniqueGdiObject.h"
#include "ui/win32/UniqueWindow.h"

namespace vindel::win32 {

class GraphicControl;
class Win32Toolkit;

// A window of the program on Win32, built from its description: its
// controls (the classes of win32/), its designed place, size and colours.
// The whole layout is drawn at the screen's density, or smaller where the
// work area of its monitor has no room for that (FitToWorkArea), and the
// window lies inside that work area, its frame included. What happens to it goes to the toolkit's
// rules (Toolkit).
class Form final : public vindel::Form {
  public:
    // A form with an owner is a pop-up window that has no task-bar button,
    // always stays in front of its owner and is minimised with it.
    Form(Win32Toolkit& toolkit, const FormDescription& description, Form* owner = nullptr);
    ~Form() override;

    vindel::Control* Find(std::string_view name) const override;
    // The form without an owner (the main window) shows first as the
    // program was started: maximised, minimised or normal.
    void Show() override;
    void Hide() override;
    void Close() override;
    bool Visible() const override;

    HWND Handle() const noexcept { return window_.get(); }
    Win32Toolkit& WindowToolkit() const noexcept { return toolkit_; }
    Form* Owner() const noexcept { return owner_; }
    // The density the layout is drawn at: the screen's, or less where the
    // window wouldn't fit at that.
    Dpi ScreenDpi() const noexcept { return dpi_; }

    // The controls made from the description, with their names, in its order.
    using NamedControls = std::vector<std::pair<std::string, std::unique_ptr<Control>>>;
    const NamedControls& Controls() const noexcept { return controls_; }

    // For the controls: a child window with a new control identifier, the
    // last in the order of the form's children. `bounds` in pixels within
    // the client area. The form paints the labels and pictures in the order
    // they were made, a later one over an earlier one, under the edit boxes,
    // combo boxes and buttons; a label's window shows the form's picture.
    HWND CreateChild(const wchar_t* className, std::u16string_view text, DWORD style,
                     DWORD extendedStyle, const RECT& bounds);
    void AddGraphic(GraphicControl& control);
    void RemoveGraphic(GraphicControl& control) noexcept;
    // The labels and pictures in the order the form paints them.
    const std::vector<GraphicControl*>& Graphics() const noexcept { return graphics_; }
    // Paints the background and the labels and pictures over `area` of the
    // client area; `dc` is addressed in client coordinates.
    void PaintGraphics(HDC dc, const RECT& area) const;
    // Has `area` of the client area painted again, the children in it too.
    void Invalidate(const RECT& area) noexcept;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void MakeControls(const FormDescription& description);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnActivate(WPARAM wParam);
    void RestoreFocus();
    void OnPaint();
    // Draws a label's window (WM_DRAWITEM).
    void DrawLabel(const DRAWITEMSTRUCT& item) const;
    LRESULT OnControlColour(UINT message, WPARAM wParam, LPARAM lParam);

    Win32Toolkit& toolkit_;
    Form* owner_;
    WindowPlacement placement_;
    Dpi dpi_;
    // The window's own font, which no control uses.
    UniqueFont font_;
    UniqueWindow window_;
    std::vector<GraphicControl*> graphics_;
    NamedControls controls_;
    WORD next_control_id_ = 100;
    // The control that had the focus when the form was last deactivated.
    HWND focus_ = nullptr;
};

}  // namespace vindel::win32
