// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/win32/Dpi.h"
#include "ui/win32/Typeface.h"
#include "ui/win32/UniqueGdiObject.h"
#include "ui/win32/UniqueWindow.h"

namespace vindel::win32 {

class Shell;
class GraphicControl;

// How a form is designed, in pixels at 96 dots per inch: its caption, the
// screen position of its window, the size of its client area, and the
// window's own font, which no control uses.
struct FormDesign final {
    std::u16string caption;
    int left = 0;
    int top = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    Typeface typeface{FontFamily::Tahoma, 11, FontStyle::Regular};
};

// A top-level window of the program: white, resizable, with the system menu
// and the minimise and maximise buttons, its client area at the designed
// size (scaled to the screen's density), hidden until shown. A form with an
// owner has no task-bar button, always stays in front of its owner and is
// minimised with it. Closing the form without an owner (the main window)
// ends the message loop; closing any other only hides it. Its controls must
// be destroyed before it.
class Form final {
  public:
    Form(Shell& shell, const FormDesign& design, Form* owner = nullptr);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    HWND Handle() const noexcept { return window_.get(); }
    Shell& Application() const noexcept { return shell_; }
    Form* Owner() const noexcept { return owner_; }
    Dpi ScreenDpi() const noexcept { return dpi_; }

    // ShowWindow's command: SW_SHOW, or the program's start-up show state.
    void Show(int showCommand = SW_SHOW);
    void Hide();
    // As the close box does.
    void Close();
    bool Visible() const;

    // Runs when this window becomes the program's active window coming from
    // another window of the program or from none (see Shell::FormActivated).
    void SetActivationHandler(std::function<void()> handler) {
        activation_handler_ = std::move(handler);
    }
    void RunActivationHandler();

    // Runs on every close request (close box, system menu, Alt+F4, Close)
    // in place of the default: ending the loop for the form without an
    // owner, hiding any other.
    void SetCloseHandler(std::function<void()> handler) { close_handler_ = std::move(handler); }

    // For the controls: a child window with a new control identifier, the
    // last in the order of the form's children. `bounds` in pixels within
    // the client area. Labels and pictures have no window: the form paints
    // them in the order they were made, a later one over an earlier one,
    // under the edit boxes, combo boxes and buttons.
    HWND CreateChild(const wchar_t* className, const std::u16string& text, DWORD style,
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
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnActivate(WPARAM wParam);
    void RestoreFocus();
    void OnPaint();
    // Answers a request for the shown texts (see ShownTexts.h).
    void SendShownTexts(HWND receiver) const;
    LRESULT OnControlColour(UINT message, WPARAM wParam, LPARAM lParam);

    Shell& shell_;
    Form* owner_;
    Dpi dpi_;
    // The window's own font, which no control uses.
    UniqueFont font_;
    UniqueWindow window_;
    std::function<void()> activation_handler_;
    std::function<void()> close_handler_;
    std::vector<GraphicControl*> graphics_;
    WORD next_control_id_ = 100;
    // The control that had the focus when the form was last deactivated.
    HWND focus_ = nullptr;
};

}  // namespace vindel::win32
