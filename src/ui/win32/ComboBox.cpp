// SPDX-License-Identifier: MIT
#include "ui/win32/ComboBox.h"

#include <commctrl.h>

#include <utility>

#include "common/Win32.h"
#include "ui/HandlerGuard.h"
#include "ui/win32/LastError.h"
#include "ui/win32/WindowText.h"

namespace vindel::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr int kVisibleEntries = 8;

// Sets a flag for as long as it lives.
class FlagScope final {
  public:
    explicit FlagScope(bool& flag) noexcept : flag_(flag), before_(std::exchange(flag, true)) {}
    ~FlagScope() { flag_ = before_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

  private:
    bool& flag_;
    bool before_;
};

// Counts a level of nesting for as long as it lives.
class DepthScope final {
  public:
    explicit DepthScope(int& depth) noexcept : depth_(depth) { ++depth_; }
    ~DepthScope() { --depth_; }
    DepthScope(const DepthScope&) = delete;
    DepthScope& operator=(const DepthScope&) = delete;

  private:
    int& depth_;
};

ControlWindow ComboWindow() {
    ControlWindow window;
    window.className = L"ComboBox";
    window.style = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
    return window;
}

bool BeginsWithIgnoringCase(std::u16string_view entry, std::u16string_view text) {
    if (entry.size() < text.size())
        return false;
    const std::wstring wideEntry = Wide(entry.substr(0, text.size()));
    const std::wstring wideText = Wide(text);
    return ::CompareStringOrdinal(wideEntry.c_str(), static_cast<int>(wideEntry.size()),
                                  wideText.c_str(), static_cast<int>(wideText.size()),
                                  TRUE) == CSTR_EQUAL;
}

}  // namespace

ComboBox::ComboBox(Form& form, const ControlDescription& description)
    : Control(form, description, ComboWindow()) {
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    if (!::GetComboBoxInfo(Handle(), &parts))
        ThrowLastError(u"GetComboBoxInfo");
    edit_ = parts.hwndItem;
    list_ = parts.hwndList;
    SetClosedHeight(PixelBounds().bottom - PixelBounds().top);
    SetListHeight();
    if (!::SetWindowSubclass(edit_, &ComboBox::EditProc, kSubclassId,
                             reinterpret_cast<DWORD_PTR>(this)))
        ThrowLastError(u"SetWindowSubclass");
}

ComboBox::~ComboBox() {
    if (::IsWindow(edit_))
        ::RemoveWindowSubclass(edit_, &ComboBox::EditProc, kSubclassId);
}

void ComboBox::SetClosedHeight(int height) {
    // The box's height follows its text field's, which the font decides
    // unless told otherwise. What the field reports and what it is told
    // need not measure the same (under wine they differ by two pixels), so
    // the box is measured after each step and the request corrected.
    auto field = static_cast<int>(::SendMessageW(Handle(), CB_GETITEMHEIGHT, -1, 0));
    for (int step = 0; step < 3; ++step) {
        RECT closed{};
        ::GetWindowRect(Handle(), &closed);
        const int missing = height - (closed.bottom - closed.top);
        if (missing == 0)
            return;
        field += missing;
        ::SendMessageW(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
}

void ComboBox::SetListHeight() {
    // Common controls 6 count the entries; older ones take the height the
    // window is given beyond the closed box.
    ::SendMessageW(Handle(), CB_SETMINVISIBLE, kVisibleEntries, 0);
    RECT closed{};
    ::GetWindowRect(Handle(), &closed);
    const auto entryHeight = static_cast<int>(::SendMessageW(Handle(), CB_GETITEMHEIGHT, 0, 0));
    const int border = 2 * ::GetSystemMetrics(SM_CYBORDER);
    ::SetWindowPos(Handle(), nullptr, 0, 0, closed.right - closed.left,
                   closed.bottom - closed.top + kVisibleEntries * entryHeight + border,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ComboBox::Refill(std::span<const std::u16string> entries) {
    const FlagScope applying(applying_);
    const std::u16string text = WindowText(edit_);
    ::SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);  // empties the text too
    entries_.assign(entries.begin(), entries.end());
    for (const std::u16string& entry : entries_)
        ::SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(entry).c_str()));
    const auto end = static_cast<DWORD>(text.size());
    ShowWithoutEntry(text, end, end);
}

int ComboBox::ItemIndex() const {
    return static_cast<int>(::SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
}

std::u16string ComboBox::Text() const {
    return WindowText(edit_);
}

void ComboBox::OnCommand(WORD code) {
    if (applying_)
        return;
    if (code == CBN_EDITCHANGE && depth_ > 0)
        edited_ = true;  // dealt with once the edit box has finished
    else if (code == CBN_SELCHANGE)
        OnPicked();
}

LRESULT CALLBACK ComboBox::EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR /*id*/, DWORD_PTR box) {
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(edit, &ComboBox::EditProc, kSubclassId);
        return ::DefSubclassProc(edit, message, wParam, lParam);
    }
    return reinterpret_cast<ComboBox*>(box)->OnEditMessage(message, wParam, lParam);
}

LRESULT ComboBox::OnEditMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (depth_ > 0 || applying_)
        return ::DefSubclassProc(edit_, message, wParam, lParam);
    // Any message may carry an edit (a key, a paste from the context menu,
    // an undo): remember what was shown before each. The questions asked to
    // find out are messages to the edit box too, nested ones.
    Shown before;
    bool known = false;
    LRESULT result = 0;
    {
        const DepthScope handling(depth_);
        RunGuarded([&] {
            before = CurrentlyShown();
            known = true;
        });
        edited_ = false;
        result = ::DefSubclassProc(edit_, message, wParam, lParam);
    }
    if (std::exchange(edited_, false) && known)
        RunGuarded([&] { OnEdited(before); });
    return result;
}

ComboBox::Shown ComboBox::CurrentlyShown() const {
    Shown shown;
    shown.text = WindowText(edit_);
    ::SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&shown.selectionStart),
                   reinterpret_cast<LPARAM>(&shown.selectionEnd));
    shown.index = ItemIndex();
    return shown;
}

void ComboBox::OnEdited(const Shown& before) {
    const Shown now = CurrentlyShown();
    const std::u16string& old = before.text;
    const std::size_t selected = before.selectionEnd - before.selectionStart;
    const bool deleting = now.text.size() < old.size() && old.starts_with(now.text) &&
                          now.text.size() <= old.size() - selected;
    const int match = deleting || now.text.empty() ? -1 : FirstEntryBeginning(now.text);
    if (match < 0) {
        {
            const FlagScope applying(applying_);
            ShowWithoutEntry(now.text, now.selectionStart, now.selectionEnd);
        }
        RaiseChange();
        return;
    }
    {
        const FlagScope applying(applying_);
        SetSelectedEntry(match);
        // The completed part selected, the caret after what was typed.
        ::SendMessageW(edit_, EM_SETSEL, entries_[static_cast<std::size_t>(match)].size(),
                       static_cast<LPARAM>(now.text.size()));
    }
    if (match != before.index)
        RaiseChange();
}

void ComboBox::OnPicked() {
    const int index = ItemIndex();
    if (index >= 0 && static_cast<std::size_t>(index) < entries_.size()) {
        // The system shows the entry's text only after this notification;
        // the change handler reads it now.
        const FlagScope applying(applying_);
        ::SetWindowTextW(edit_, Wide(entries_[static_cast<std::size_t>(index)]).c_str());
    }
    RaiseChange();
}

void ComboBox::ShowWithoutEntry(const std::u16string& text, DWORD selectionStart,
                                DWORD selectionEnd) {
    if (ItemIndex() >= 0) {
        SetSelectedEntry(-1);  // which empties the text
        ::SetWindowTextW(edit_, Wide(text).c_str());
    } else if (WindowText(edit_) != text) {
        ::SetWindowTextW(edit_, Wide(text).c_str());
    }
    // An open list selects the entry the new text begins; no entry is.
    if (ItemIndex() >= 0)
        ::SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    ::SendMessageW(edit_, EM_SETSEL, selectionStart, static_cast<LPARAM>(selectionEnd));
}

int ComboBox::FirstEntryBeginning(std::u16string_view text) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (BeginsWithIgnoringCase(entries_[i], text))
            return static_cast<int>(i);
    }
    return -1;
}

void ComboBox::SetSelectedEntry(int index) {
    ::SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ComboBox::RaiseChange() {
    if (on_change_)
        RunGuarded(on_change_);
}

}  // namespace vindel::win32
