// SPDX-License-Identifier: MIT
#include "ui/win32/EditBox.h"

#include "common/Win32.h"
#include "ui/win32/WindowText.h"

namespace vindel::win32 {
namespace {

ControlWindow EditWindow(const ControlDescription& description) {
    ControlWindow window;
    window.className = L"Edit";
    window.text = description.text;
    window.style = WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
    if (description.kind == ControlKind::PasswordBox)
        window.style |= ES_PASSWORD;
    window.extendedStyle = WS_EX_CLIENTEDGE;
    return window;
}

}  // namespace

EditBox::EditBox(Form& form, const ControlDescription& description)
    : Control(form, description, EditWindow(description)) {
    if (description.kind == ControlKind::PasswordBox)
        ::SendMessageW(Handle(), EM_SETPASSWORDCHAR, L'*', 0);
}

std::u16string EditBox::Text() const {
    return WindowText(Handle());
}

void EditBox::SetText(const std::u16string& text) {
    ::SetWindowTextW(Handle(), Wide(text).c_str());
}

}  // namespace vindel::win32
