// SPDX-License-Identifier: MIT
#include "ui/win32/Label.h"

#include <algorithm>

#include "common/Win32.h"
#include "ui/win32/ControlFont.h"
#include "ui/win32/Form.h"
#include "ui/win32/LastError.h"

namespace vindel::win32 {
namespace {

// Owner-drawn: the form draws what lies under the label and the label over
// it (Form::PaintGraphics), as where there are no windows. Without
// SS_NOTIFY the mouse goes through to the form.
ControlWindow LabelWindow(const ControlDescription& description) {
    ControlWindow window;
    window.className = L"Static";
    window.text = description.text;
    window.style = SS_OWNERDRAW | SS_NOPREFIX;
    return window;
}

}  // namespace

Label::Label(Form& form, const ControlDescription& description)
    : GraphicControl(form, description, LabelWindow(description)), caption_(description.text) {
    if (form.ScreenDpi().DotsPerInch() != Dpi::kDesigned)
        designed_font_ = ControlFont(description.font, Dpi());
    Layout();
}

void Label::SetCaption(const std::u16string& caption) {
    if (!::SetWindowTextW(Handle(), Wide(caption).c_str()))
        ThrowLastError(u"SetWindowTextW");
    caption_ = caption;
    Layout();
}

void Label::Layout() {
    advances_.clear();
    if (!designed_font_) {
        SetPixelSize(MeasureText(Font(), caption_));
        return;
    }
    const Dpi dpi = Parent().ScreenDpi();
    const std::wstring text = Wide(caption_);
    // Where each letter ends at the designed size, from the label's left.
    std::vector<INT> ends(text.size());
    SIZE designed{};
    const HDC screen = ::GetDC(nullptr);
    if (screen == nullptr)
        ThrowLastError(u"GetDC");
    const HGDIOBJ previous = ::SelectObject(screen, designed_font_.get());
    const BOOL measured =
        text.empty() ? ::GetTextExtentPoint32W(screen, L" ", 1, &designed)
                     : ::GetTextExtentExPointW(screen, text.c_str(), static_cast<int>(text.size()),
                                               0, nullptr, ends.data(), &designed);
    ::SelectObject(screen, previous);
    ::ReleaseDC(nullptr, screen);
    if (!measured)
        ThrowLastError(u"GetTextExtentExPointW");
    int start = 0;
    for (const INT end : ends) {
        const int scaledEnd = dpi.Scale(end);
        advances_.push_back(scaledEnd - start);
        start = scaledEnd;
    }
    // As high as the designed line scaled, or as the font's own line, so
    // that no descender is cut off.
    const SIZE line = MeasureText(Font(), u" ");
    SetPixelSize({dpi.Scale(designed.cx), std::max<LONG>(dpi.Scale(designed.cy), line.cy)});
}

void Label::Draw(HDC dc) const {
    const HGDIOBJ previous = ::SelectObject(dc, Font());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, Colour());
    ::SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    const std::wstring text = Wide(caption_);
    ::ExtTextOutW(dc, PixelBounds().left, PixelBounds().top, 0, nullptr, text.c_str(),
                  static_cast<UINT>(text.size()), advances_.empty() ? nullptr : advances_.data());
    ::SelectObject(dc, previous);
}

SIZE Label::MeasureText(HFONT font, std::u16string_view text) {
    const std::wstring measured = Wide(text.empty() ? std::u16string_view(u" ") : text);
    const HDC screen = ::GetDC(nullptr);
    if (screen == nullptr)
        ThrowLastError(u"GetDC");
    const HGDIOBJ previous = ::SelectObject(screen, font);
    SIZE size{};
    const BOOL measuredOk =
        ::GetTextExtentPoint32W(screen, measured.c_str(), static_cast<int>(measured.size()), &size);
    ::SelectObject(screen, previous);
    ::ReleaseDC(nullptr, screen);
    if (!measuredOk)
        ThrowLastError(u"GetTextExtentPoint32W");
    return size;
}

}  // namespace vindel::win32
