// SPDX-License-Identifier: MIT
// What the window tests read of the Win32 windows: the fonts as GDI made
// them, the controls' windows in the order Windows keeps them.
#include "WindowProbes.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <map>

#include "AccessibleFacts.h"
#include "ui/win32/GraphicControl.h"
#include "ui/win32/UniqueGdiObject.h"
#include "ui/win32/WindowText.h"
#include "win32/Win32Windows.h"

namespace vindel::testing {
namespace {

// The screen's device context, released when done.
class ScreenDc final {
  public:
    ScreenDc() : dc_(::GetDC(nullptr)) {}
    ~ScreenDc() { ::ReleaseDC(nullptr, dc_); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC Get() const noexcept { return dc_; }

  private:
    HDC dc_;
};

// The face GDI chose for the font, and its metrics.
struct Realised final {
    std::u16string face;
    TEXTMETRICW metrics{};
};

Realised Realise(HFONT font) {
    const ScreenDc screen;
    const HGDIOBJ before = ::SelectObject(screen.Get(), font);
    Realised realised;
    wchar_t face[LF_FACESIZE] = {};
    ::GetTextFaceW(screen.Get(), LF_FACESIZE, face);
    realised.face = reinterpret_cast<const char16_t*>(face);
    ::GetTextMetricsW(screen.Get(), &realised.metrics);
    ::SelectObject(screen.Get(), before);
    return realised;
}

std::uint32_t Rgb(COLORREF colour) {
    return static_cast<std::uint32_t>(GetRValue(colour)) << 16 |
           static_cast<std::uint32_t>(GetGValue(colour)) << 8 | GetBValue(colour);
}

// Whether the form draws the control: a label or a picture.
bool Painted(const Control& control) {
    return dynamic_cast<const win32::GraphicControl*>(&Win32ControlOf(control)) != nullptr;
}

// The names of the window's controls that have windows, by their windows;
// with or without the labels' windows.
std::map<HWND, std::string> NamesByWindow(const TForm& window, bool withPainted = true) {
    std::map<HWND, std::string> names;
    for (const auto& [name, control] : Win32FormOf(window).Controls()) {
        const HWND handle = HandleOf(*control);
        if (handle != nullptr && (withPainted || !Painted(*control)))
            names.emplace(handle, name);
    }
    return names;
}

}  // namespace

FontFacts FontOf(const Control& control) {
    const win32::Control& win32Control = Win32ControlOf(control);
    const Realised font = Realise(win32Control.Font());
    // The character height asked for (a negative height: without leading),
    // back at 96 dots per inch as designed. Not the height GDI realised:
    // wine's Carlito, standing in for Calibri, rounds 13 px down to 12.
    LOGFONTW asked{};
    ::GetObjectW(win32Control.Font(), sizeof asked, &asked);
    const int pixels = win32Control.Parent().ScreenDpi().Unscale(-asked.lfHeight);
    return {font.face, pixels, font.metrics.tmWeight >= FW_BOLD, font.metrics.tmItalic != 0,
            Rgb(win32Control.Colour())};
}

std::u16string FoundFamily(std::u16string_view family) {
    LOGFONTW asked{};
    asked.lfHeight = -19;
    std::copy_n(family.begin(), std::min<std::size_t>(family.size(), LF_FACESIZE - 1),
                reinterpret_cast<char16_t*>(asked.lfFaceName));
    const win32::UniqueFont font(::CreateFontIndirectW(&asked));
    return Realise(font.get()).face;
}

// The order the controls were made in, as the form keeps it: the labels and
// pictures in the order the form paints them, the inputs in the order of
// their windows' control identifiers. Each fills the next place of its
// kind in the order the form made them.
std::vector<std::string> CreationOrder(const TForm& window) {
    const win32::Form::NamedControls& controls = Win32FormOf(window).Controls();
    std::map<const win32::Control*, std::string> namesByControl;
    for (const auto& [name, control] : controls)
        namesByControl.emplace(control.get(), name);
    std::vector<std::string> painted;
    for (const win32::GraphicControl* graphic : Win32FormOf(window).Graphics()) {
        const auto found = namesByControl.find(graphic);
        painted.push_back(found != namesByControl.end() ? found->second : "?");
    }
    std::map<int, std::string> byIdentifier;
    for (const auto& [handle, name] : NamesByWindow(window, false))
        byIdentifier.emplace(::GetDlgCtrlID(handle), name);

    auto nextPainted = painted.begin();
    auto nextWindowed = byIdentifier.begin();
    std::vector<std::string> order;
    for (const auto& [name, control] : controls) {
        if (Painted(*control))
            order.push_back(nextPainted != painted.end() ? *nextPainted++ : "?");
        else
            order.push_back(nextWindowed != byIdentifier.end() ? (nextWindowed++)->second : "?");
    }
    return order;
}

// As the dialog keys go: Tab from the first control that takes it.
std::vector<std::string> TabOrder(const TForm& window) {
    const HWND form = HandleOf(window);
    const std::map<HWND, std::string> names = NamesByWindow(window);
    std::vector<std::string> order;
    const HWND first = ::GetNextDlgTabItem(form, nullptr, FALSE);
    for (HWND control = first; control != nullptr;) {
        const auto found = names.find(control);
        order.push_back(found != names.end() ? found->second : "?");
        control = ::GetNextDlgTabItem(form, control, FALSE);
        if (control == first || order.size() > names.size())
            break;
    }
    return order;
}

std::optional<std::u16string> AccessibleName(const Control& control) {
    const std::optional<AccessibleFacts> facts = ReadAccessible(HandleOf(control));
    return facts ? facts->name : std::nullopt;
}

std::u16string DisplayedText(const EditBox& box) {
    const HWND edit = HandleOf(box);
    const auto star = static_cast<char16_t>(::SendMessageW(edit, EM_GETPASSWORDCHAR, 0, 0));
    const std::u16string text = win32::WindowText(edit);
    return star != 0 ? std::u16string(text.size(), star) : text;
}

int ListRows(const ComboBox& box) {
    // The list drops down this many entries high when it has as many.
    return static_cast<int>(::SendMessageW(HandleOf(box), CB_GETMINVISIBLE, 0, 0));
}

}  // namespace vindel::testing
