// SPDX-License-Identifier: MIT
#include "ui/win32/Label.h"

#include "common/Win32.h"
#include "ui/win32/LastError.h"

namespace vindel::win32 {

Label::Label(Form& form, const ControlDescription& description)
    : GraphicControl(form, description), caption_(description.text) {
    SetPixelSize(MeasureText(Font(), caption_));
}

void Label::SetCaption(const std::u16string& caption) {
    caption_ = caption;
    SetPixelSize(MeasureText(Font(), caption_));
}

void Label::Draw(HDC dc) const {
    const HGDIOBJ previous = ::SelectObject(dc, Font());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, Colour());
    ::SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    const std::wstring text = Wide(caption_);
    ::TextOutW(dc, PixelBounds().left, PixelBounds().top, text.c_str(),
               static_cast<int>(text.size()));
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
