// SPDX-License-Identifier: MIT
#include "ui/win32/GraphicControl.h"

#include "ui/win32/MemoryCanvas.h"
#include "ui/win32/PaintScope.h"
#include "ui/win32/Shell.h"

namespace vindel::win32 {
namespace {

ControlWindow GraphicWindow(const Form& form, const std::u16string& text, const Bounds& bounds,
                            std::optional<Typeface> typeface, TextColour colour) {
    ControlWindow window;
    window.className = form.Application().GraphicClassName();
    window.text = text;
    window.bounds = bounds;
    window.layer = ChildLayer::Graphic;
    window.typeface = typeface;
    window.colour = colour;
    return window;
}

}  // namespace

GraphicControl::GraphicControl(Form& form, const std::u16string& text, const Bounds& bounds,
                               std::optional<Typeface> typeface, TextColour colour)
    : Control(form, GraphicWindow(form, text, bounds, typeface, colour)) {
    form.AddGraphic(*this);
}

GraphicControl::~GraphicControl() {
    Parent().RemoveGraphic(*this);
}

LRESULT CALLBACK GraphicControl::WindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    auto* control = static_cast<GraphicControl*>(Control::FromHandle(window));
    if (control == nullptr)
        return ::DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            control->Parent().Application().RunGuarded([control] { control->OnPaint(); });
            return 0;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

void GraphicControl::OnPaint() {
    const PaintScope paint(Handle());
    const RECT& area = paint.Area();
    if (::IsRectEmpty(&area))
        return;
    // The same area in the form's client coordinates.
    RECT formArea = area;
    ::OffsetRect(&formArea, PixelBounds().left, PixelBounds().top);
    const MemoryCanvas canvas(paint.Dc(), formArea);
    Parent().PaintGraphics(canvas.Dc(), formArea);
    canvas.CopyTo(paint.Dc(), {area.left, area.top});
}

}  // namespace vindel::win32
