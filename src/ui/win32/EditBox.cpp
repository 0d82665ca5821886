#include "ui/win32/EditBox.h"

#include "common/Win32.h"
#include "ui/win32/WindowText.h"

namespace vindel::win32 {
namespace {

ControlWindow EditWindow(const EditDesign& design) {
    DWORD style = WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
    if (design.kind == EditKind::Password)
        style |= ES_PASSWORD;
    return {L"Edit",       design.text,          style,           WS_EX_CLIENTEDGE,
            design.bounds, ChildLayer::Windowed, design.typeface, design.colour};
}

}  // namespace

EditBox::EditBox(Form& form, const EditDesign& design) : Control(form, EditWindow(design)) {
    if (design.kind == EditKind::Password)
        ::SendMessageW(Handle(), EM_SETPASSWORDCHAR, L'*', 0);
}

std::u16string EditBox::Text() const {
    return WindowText(Handle());
}

void EditBox::SetText(const std::u16string& text) {
    ::SetWindowTextW(Handle(), Wide(text).c_str());
}

}  // namespace vindel::win32
