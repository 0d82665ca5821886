// SPDX-License-Identifier: MIT
// The window tests' driving on Win32: real key and mouse messages posted to
// the controls' windows and dispatched through the toolkit's loop, as the
// program's own loop would (see ToolkitDriving.h).
#include "Driving.h"

#include <gtest/gtest.h>

#include "BoxAnswerer.h"
#include "ProgramWindows.h"
#include "ToolkitDriving.h"
#include "ui/win32/ComboBox.h"
#include "win32/Win32Windows.h"

namespace vindel::testing {

using win32::Win32Toolkit;

std::unique_ptr<Toolkit> MakeToolkit() {
    auto toolkit = std::make_unique<Win32Toolkit>(SW_SHOWNORMAL);
    SetCurrentToolkit(toolkit.get());
    return toolkit;
}

bool Activate(TForm& window) {
    window.Show();
    const HWND form = HandleOf(window);
    auto& toolkit = CurrentToolkit();
    const vindel::Form* wanted = &window.Window();
    return BringToFront(toolkit, form) && WaitFor([&] { return toolkit.ActiveForm() == wanted; });
}

void CloseFromWindowSystem(TForm& window) {
    // The close box: the system command, which the window turns into
    // WM_CLOSE.
    ::SendMessageW(HandleOf(window), WM_SYSCOMMAND, SC_CLOSE, 0);
}

void PickEntry(ComboBox& combo, int row) {
    const auto& box = dynamic_cast<win32::ComboBox&>(combo);
    if (row < 0 || row >= static_cast<int>(box.Entries().size())) {
        ADD_FAILURE() << "the box has no entry " << row;
        return;
    }
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    ::GetComboBoxInfo(box.Handle(), &parts);
    ::SendMessageW(box.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
    // The list shows eight entries at a time.
    ::SendMessageW(parts.hwndList, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
    RECT entry{};
    ::SendMessageW(parts.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&entry));
    Click(CurrentToolkit(), parts.hwndList, {entry.left + 2, entry.top + 2});
    WaitFor([&] { return !::IsWindowVisible(parts.hwndList); });
}

bool ClickInto(Control& control) {
    const HWND target = InputHandleOf(control);
    RECT client{};
    ::GetClientRect(target, &client);
    Click(CurrentToolkit(), target, {client.right / 2, client.bottom / 2});
    return WaitFor([&] { return HasFocus(control); });
}

bool HasFocus(const Control& control) {
    return ::GetFocus() == InputHandleOf(control);
}

void Type(Control& control, std::u16string_view text) {
    Type(CurrentToolkit(), InputHandleOf(control), text);
}

void Press(Control& control, Key key) {
    const HWND target = InputHandleOf(control);
    auto& toolkit = CurrentToolkit();
    // Backspace edits through the character it types, as TranslateMessage
    // makes it from the key.
    if (key == Key::Backspace) {
        Type(toolkit, target, u"\b");
        return;
    }
    // Ctrl+A: the edit box's "select all", the selection it keeps.
    if (key == Key::SelectAll) {
        ::SendMessageW(target, EM_SETSEL, 0, -1);
        toolkit.ProcessMessages();
        return;
    }
    const UINT virtualKey = key == Key::End ? VK_END : key == Key::Return ? VK_RETURN : VK_TAB;
    const auto scanCode = static_cast<LPARAM>(::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    ::PostMessageW(target, WM_KEYDOWN, virtualKey, 1 | scanCode << 16);
    ::PostMessageW(target, WM_KEYUP, virtualKey, 1 | scanCode << 16 | LPARAM{3} << 30);
    toolkit.ProcessMessages();
}

std::u16string SelectedText(const ComboBox& combo) {
    const auto& box = dynamic_cast<const win32::ComboBox&>(combo);
    DWORD start = 0;
    DWORD end = 0;
    ::SendMessageW(box.EditHandle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    const std::u16string text = box.Text();
    return start < end && end <= text.size() ? text.substr(start, end - start) : std::u16string();
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    return WaitUntil(CurrentToolkit(), condition, limit);
}

void Drain() {
    for (int round = 0; round < 3; ++round)
        CurrentToolkit().ProcessMessages();
}

namespace {

class Win32AcceptedBoxes final : public AcceptedBoxes {
  public:
    // The message box shows its text in one static control, the task
    // dialog and the small dialog in one each too.
    std::vector<std::u16string> Texts() const override {
        std::vector<std::u16string> texts;
        for (const auto& box : answerer_.Boxes()) {
            std::u16string text;
            for (const std::u16string& part : box.texts)
                text += text.empty() ? part : u"\n" + part;
            texts.push_back(text);
        }
        return texts;
    }

  private:
    BoxAnswerer answerer_;
};

}  // namespace

std::unique_ptr<AcceptedBoxes> AcceptBoxes() {
    return std::make_unique<Win32AcceptedBoxes>();
}

}  // namespace vindel::testing
