// SPDX-License-Identifier: MIT
#include "ui/win32/Form.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "common/Win32.h"
#include "ui/HandlerGuard.h"
#include "ui/win32/Button.h"
#include "ui/win32/ComboBox.h"
#include "ui/win32/ControlFont.h"
#include "ui/win32/EditBox.h"
#include "ui/win32/GraphicControl.h"
#include "ui/win32/Label.h"
#include "ui/win32/LastError.h"
#include "ui/win32/MemoryCanvas.h"
#include "ui/win32/PaintScope.h"
#include "ui/win32/Picture.h"
#include "ui/win32/Win32Toolkit.h"

namespace vindel::win32 {
namespace {

constexpr DWORD kFormExtendedStyle = WS_EX_CONTROLPARENT;

// A form with an owner is a pop-up window with the same frame: the system
// keeps owned pop-ups in front of their owner and hides them while the
// owner is minimised, whatever else it does for other owned windows.
DWORD FormStyle(const Form* owner) {
    return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | (owner != nullptr ? WS_POPUP : 0);
}

// The window as designed, at the screen's density where the work area of
// its monitor has room for it, and scaled down to fit where it hasn't
// (FitToWorkArea). The density of the layout comes out in whole dots per
// inch.
WindowPlacement PlaceOnScreen(const Bounds& design, DWORD style, Dpi screen) {
    RECT frame{};
    ::AdjustWindowRectEx(&frame, style, FALSE, kFormExtendedStyle);
    const POINT designedPlace{screen.Scale(design.left), screen.Scale(design.top)};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    Bounds workArea{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    if (::GetMonitorInfoW(::MonitorFromPoint(designedPlace, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        workArea = {work.left, work.top, work.right - work.left, work.bottom - work.top};
    }
    return FitToWorkArea(design, static_cast<double>(screen.DotsPerInch()) / Dpi::kDesigned,
                         {-frame.left, -frame.top, frame.right, frame.bottom}, workArea);
}

// The control of a description's entry.
std::unique_ptr<Control> MakeControl(Form& form, const ControlDescription& d) {
    switch (d.kind) {
        case ControlKind::Label:
            return std::make_unique<Label>(form, d);
        case ControlKind::Picture:
            return std::make_unique<Picture>(form, d);
        case ControlKind::ComboBox:
            return std::make_unique<ComboBox>(form, d);
        case ControlKind::EditBox:
        case ControlKind::PasswordBox:
            return std::make_unique<EditBox>(form, d);
        case ControlKind::Button:
            return std::make_unique<Button>(form, d);
    }
    return nullptr;
}

}  // namespace

Form::Form(Win32Toolkit& toolkit, const FormDescription& description, Form* owner)
    : toolkit_(toolkit),
      owner_(owner),
      placement_(PlaceOnScreen(description.bounds, FormStyle(owner), toolkit.ScreenDpi())),
      dpi_(static_cast<int>(std::lround(placement_.scale * Dpi::kDesigned))),
      font_(ControlFont(description.font, dpi_)) {
    const DWORD style = FormStyle(owner);
    RECT frame{0, 0, placement_.width, placement_.height};
    ::AdjustWindowRectEx(&frame, style, FALSE, kFormExtendedStyle);
    // WM_NCCREATE hands the window to window_ already.
    const HWND window = ::CreateWindowExW(
        kFormExtendedStyle, toolkit.FormClassName(), Wide(description.caption).c_str(), style,
        placement_.left, placement_.top, frame.right - frame.left, frame.bottom - frame.top,
        owner != nullptr ? owner->Handle() : nullptr, nullptr, toolkit.Instance(), this);
    if (window == nullptr)
        ThrowLastError(u"CreateWindowExW");
    toolkit_.AddForm(*this);
    MakeControls(description);
}

Form::~Form() {
    controls_.clear();
    toolkit_.RemoveForm(*this);
    // Another window of the program may become active on the way: that is
    // no activation of the operator's.
    const Toolkit::DestroyingScope destroying(toolkit_, *this);
    window_.reset();
}

void Form::MakeControls(const FormDescription& description) {
    std::map<int, HWND> tabOrder;
    for (const ControlDescription& d : description.controls) {
        std::unique_ptr<Control> control = MakeControl(*this, d);
        if (d.tabOrder >= 0 && control->Handle() != nullptr)
            tabOrder.emplace(d.tabOrder, control->Handle());
        controls_.emplace_back(std::string(d.name), std::move(control));
    }
    // The dialog keys move through the controls in their order among the
    // form's children: the tab order, above the labels and pictures.
    HWND previous = HWND_TOP;
    for (const auto& [position, window] : tabOrder) {
        ::SetWindowPos(window, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = window;
    }
}

vindel::Control* Form::Find(std::string_view name) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [name](const auto& entry) { return entry.first == name; });
    return found != controls_.end() ? found->second.get() : nullptr;
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form =
            static_cast<Form*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->window_.reset(window);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (form == nullptr)
        return ::DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        form->window_.release();
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    // A failure ends the handling of the message, which counts as handled.
    LRESULT result = 0;
    RunGuarded([&] { result = form->OnMessage(message, wParam, lParam); });
    return result;
}

LRESULT Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = window_.get();
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT paints all of it
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_PRINTCLIENT: {
            // Themed controls paint their parent's background through this.
            RECT client{};
            ::GetClientRect(window, &client);
            PaintGraphics(reinterpret_cast<HDC>(wParam), client);
            return 0;
        }
        case WM_ACTIVATE:
            OnActivate(wParam);
            return 0;
        case WM_SHOWWINDOW:
            // Hidden by the program, not by its owner being minimised.
            if (wParam == FALSE && lParam == 0)
                toolkit_.FormHidden(*this);
            break;
        case WM_CLOSE:
            // The close box, the system menu, Alt+F4, or another program.
            if (toolkit_.CloseRequested(*this, Toolkit::CloseRequest::WindowSystem))
                Hide();
            return 0;
        case WM_SETCURSOR:
            if (toolkit_.Busy()) {
                ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
                return TRUE;
            }
            break;
        case WM_DRAWITEM:
            DrawLabel(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_COMMAND:
            if (Control* control = Control::FromHandle(reinterpret_cast<HWND>(lParam)))
                control->OnCommand(HIWORD(wParam));
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            return OnControlColour(message, wParam, lParam);
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_.get());
        default:
            break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void Form::OnActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = ::GetFocus();
        if (focus != nullptr && ::IsChild(window_.get(), focus))
            focus_ = focus;
        return;
    }
    toolkit_.FormActivated(*this);
    if (HIWORD(wParam) == 0 && ::GetActiveWindow() == window_.get())
        RestoreFocus();
}

void Form::RestoreFocus() {
    const HWND window = window_.get();
    if (focus_ != nullptr && ::IsWindow(focus_) && ::IsChild(window, focus_) &&
        ::IsWindowVisible(focus_) && ::IsWindowEnabled(focus_)) {
        ::SetFocus(focus_);
        return;
    }
    // The first control in tab order that can take it.
    const HWND first = ::GetNextDlgTabItem(window, nullptr, FALSE);
    ::SetFocus(first != nullptr ? first : window);
}

void Form::Show() {
    const int showCommand = owner_ != nullptr ? SW_SHOW : toolkit_.TakeStartupShowCommand();
    const HWND window = window_.get();
    ::ShowWindow(window, showCommand);
    // Shown, a form becomes the active window, unless asked not to be; the
    // request also reaches the window manager where there is one (wine).
    const bool quietly = showCommand == SW_SHOWNA || showCommand == SW_SHOWNOACTIVATE ||
                         showCommand == SW_SHOWMINNOACTIVE || showCommand == SW_HIDE;
    if (!quietly && !::IsIconic(window))
        ::SetForegroundWindow(window);
}

void Form::Hide() {
    ::ShowWindow(window_.get(), SW_HIDE);
}

void Form::Close() {
    if (toolkit_.CloseRequested(*this, Toolkit::CloseRequest::Program))
        Hide();
}

bool Form::Visible() const {
    return ::IsWindowVisible(window_.get()) != FALSE;
}

HWND Form::CreateChild(const wchar_t* className, std::u16string_view text, DWORD style,
                       DWORD extendedStyle, const RECT& bounds) {
    const HWND child = ::CreateWindowExW(
        extendedStyle, className, Wide(text).c_str(), style | WS_CHILD | WS_CLIPSIBLINGS,
        bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
        window_.get(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(next_control_id_)),
        toolkit_.Instance(), nullptr);
    if (child == nullptr)
        ThrowLastError(u"CreateWindowExW");
    ++next_control_id_;
    return child;
}

void Form::AddGraphic(GraphicControl& control) {
    graphics_.push_back(&control);
}

void Form::RemoveGraphic(GraphicControl& control) noexcept {
    std::erase(graphics_, &control);
}

void Form::PaintGraphics(HDC dc, const RECT& area) const {
    ::FillRect(dc, &area, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    for (const GraphicControl* control : graphics_) {
        const RECT bounds = control->PixelBounds();
        RECT overlap{};
        if (!control->Visible() || !::IntersectRect(&overlap, &bounds, &area))
            continue;
        const int saved = ::SaveDC(dc);
        ::IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
        control->Draw(dc);
        ::RestoreDC(dc, saved);
    }
}

void Form::DrawLabel(const DRAWITEMSTRUCT& item) const {
    const Control* control = Control::FromHandle(item.hwndItem);
    if (item.CtlType != ODT_STATIC || control == nullptr)
        return;
    // What the form paints there, the label included, in the form's
    // coordinates, copied to the window's top left corner.
    const RECT& bounds = control->PixelBounds();
    const MemoryCanvas canvas(item.hDC, bounds);
    PaintGraphics(canvas.Dc(), bounds);
    canvas.CopyTo(item.hDC, {0, 0});
}

void Form::Invalidate(const RECT& area) noexcept {
    // A null window would be the whole screen; a hidden one is painted whole
    // when shown, which spares the controls made before that their share.
    if (!window_ || !::IsWindowVisible(window_.get()))
        return;
    ::RedrawWindow(window_.get(), &area, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Form::OnPaint() {
    const PaintScope paint(window_.get());
    const RECT& area = paint.Area();
    if (::IsRectEmpty(&area))
        return;
    const MemoryCanvas canvas(paint.Dc(), area);
    PaintGraphics(canvas.Dc(), area);
    canvas.CopyTo(paint.Dc(), {area.left, area.top});
}

LRESULT Form::OnControlColour(UINT message, WPARAM wParam, LPARAM lParam) {
    // A combo box's edit box asks through the combo box.
    const auto child = reinterpret_cast<HWND>(lParam);
    Control* control = Control::FromHandle(child);
    if (control == nullptr)
        control = Control::FromHandle(::GetParent(child));
    if (control == nullptr)
        return ::DefWindowProcW(window_.get(), message, wParam, lParam);
    return reinterpret_cast<LRESULT>(control->OnColour(reinterpret_cast<HDC>(wParam)));
}

}  // namespace vindel::win32
