// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/ComboBox.h"
#include "ui/win32/Control.h"

namespace vindel::win32 {

// An editable drop-down box, its list eight entries high, unsorted, its
// height that of the closed box, with the behaviour the windows rely on:
// - picking an entry from the list raises Change with its position;
// - typing that begins an entry (letter case ignored) selects the first such
//   entry, completes the text with it (the completed part selected) and
//   raises Change if that entry was not selected before; typing over
//   selected text is typing too;
// - an edit is a deletion when the new text begins the old one, is shorter
//   and adds nothing to what was left unselected of it; a deletion
//   completes nothing, and it, like any other edit that selects no entry,
//   leaves the typed text as it is with no entry selected and raises Change;
// - leaving the box or pressing Return neither selects an entry nor raises
//   Change;
// - refilling the entries from code raises nothing and keeps the text shown.
class ComboBox final : public Control, public vindel::ComboBox {
  public:
    ComboBox(Form& form, const ControlDescription& description);
    ~ComboBox() override;

    void Refill(std::span<const std::u16string> entries) override;
    std::vector<std::u16string> Entries() const override { return entries_; }
    int ItemIndex() const override;
    std::u16string Text() const override;
    void SetOnChange(std::function<void()> handler) override { on_change_ = std::move(handler); }

    // The edit box inside, which has the keyboard focus when the box has.
    HWND EditHandle() const noexcept { return edit_; }

    void OnCommand(WORD code) override;

  private:
    // What the box showed before an edit of the operator's.
    struct Shown final {
        std::u16string text;
        DWORD selectionStart = 0;
        DWORD selectionEnd = 0;
        int index = -1;
    };

    static LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR box);
    LRESULT OnEditMessage(UINT message, WPARAM wParam, LPARAM lParam);
    Shown CurrentlyShown() const;
    void OnEdited(const Shown& before);
    void OnPicked();
    void ShowWithoutEntry(const std::u16string& text, DWORD selectionStart, DWORD selectionEnd);
    int FirstEntryBeginning(std::u16string_view text) const;
    void SetSelectedEntry(int index);
    void RaiseChange();
    void SetClosedHeight(int height);
    void SetListHeight();

    HWND edit_ = nullptr;
    HWND list_ = nullptr;
    std::vector<std::u16string> entries_;
    std::function<void()> on_change_;
    // Depth of the edit box's messages being handled; an edit is told from
    // what the box showed before the outermost one.
    int depth_ = 0;
    // The edit box reported an edit of the operator's (CBN_EDITCHANGE).
    bool edited_ = false;
    // The box is being changed from here: what it reports is no operator's.
    bool applying_ = false;
};

}  // namespace vindel::win32
