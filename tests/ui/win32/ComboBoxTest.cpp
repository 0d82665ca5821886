// SPDX-License-Identifier: MIT
#include "ui/win32/ComboBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ToolkitDriving.h"
#include "ToolkitTest.h"
#include "ui/win32/EditBox.h"
#include "ui/win32/Form.h"

namespace vindel::testing {
namespace {

using win32::ComboBox;
using win32::EditBox;
using win32::Form;

const std::vector<std::u16string> kModels{u"SG300-10", u"SG300-20", u"SG300-28", u"SG300-52"};

// Records the selected position at each change the box raises. The keys go
// to the box's edit box as real key messages, through the toolkit's loop.
class ComboBoxTest : public ToolkitTest {
  protected:
    ComboBoxTest() {
        box_.Refill(kModels);
        box_.SetOnChange([this] { changes_.push_back(box_.ItemIndex()); });
        form_.Show();
        WaitUntil(toolkit_, [this] { return ::GetFocus() == box_.EditHandle(); });
    }

    void Type(std::u16string_view text) { testing::Type(toolkit_, box_.EditHandle(), text); }
    void Press(UINT key) { PressKey(toolkit_, key); }
    void Pick(int index) {
        const HWND list = ListOf(box_);
        ::SendMessageW(box_.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
        RECT entry{};
        ::SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&entry));
        Click(toolkit_, list, {entry.left + 2, entry.top + 2});
    }
    static HWND ListOf(const ComboBox& box) {
        COMBOBOXINFO parts{};
        parts.cbSize = sizeof parts;
        ::GetComboBoxInfo(box.Handle(), &parts);
        return parts.hwndList;
    }

    Form form_{toolkit_, kMainForm};
    ComboBox box_{form_, InputAt(ControlKind::ComboBox, {230, 92, 145, 26})};
    EditBox next_{form_, InputAt(ControlKind::EditBox, {167, 493, 122, 26})};
    std::vector<int> changes_;
};

// Typing, picking, Return and Refill are tested for every toolkit in
// tests/ui/ComboBoxTest.cpp; here what only the Win32 box has to show.

TEST_F(ComboBoxTest, TheDeleteKeyDeletesAndCompletesNothing) {
    Type(u"sg300-28");
    EXPECT_EQ(box_.Text(), u"SG300-28");
    EXPECT_EQ(box_.ItemIndex(), 2);
    changes_.clear();
    ::SendMessageW(box_.EditHandle(), EM_SETSEL, 5, -1);
    Press(VK_DELETE);
    EXPECT_EQ(box_.Text(), u"SG300");
    EXPECT_EQ(box_.ItemIndex(), -1);
    EXPECT_EQ(changes_, std::vector<int>{-1});
}

TEST_F(ComboBoxTest, PickingFromTheListClosesIt) {
    Pick(2);
    EXPECT_EQ(changes_, std::vector<int>{2});
    EXPECT_FALSE(::SendMessageW(box_.Handle(), CB_GETDROPPEDSTATE, 0, 0));
}

TEST_F(ComboBoxTest, LeavingTheBoxSelectsAndRaisesNothing) {
    box_.Refill(std::vector<std::u16string>{u"SG300-10", u"SG300-20"});
    Type(u"SG300-1");  // completed, selected, raised
    box_.Refill(std::vector<std::u16string>{u"SG300-10",
                                            u"SG300-20"});  // still shows it, no entry selected
    changes_.clear();
    Press(VK_TAB);
    ASSERT_EQ(::GetFocus(), next_.Handle());
    EXPECT_EQ(box_.ItemIndex(), -1);
    EXPECT_EQ(box_.Text(), u"SG300-10");
    EXPECT_TRUE(changes_.empty());
}

TEST_F(ComboBoxTest, TheClosedBoxHasItsDesignedHeightItsListEightEntries) {
    RECT closed{};
    ::GetWindowRect(box_.Handle(), &closed);
    EXPECT_EQ(closed.bottom - closed.top, 26);
    std::vector<std::u16string> counts;
    for (int i = 1; i <= 12; ++i)
        counts.push_back(std::u16string(1, static_cast<char16_t>(u'a' + i)));
    box_.Refill(counts);
    ::SendMessageW(box_.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
    const HWND list = ListOf(box_);
    RECT client{};
    ::GetClientRect(list, &client);
    const auto entry = static_cast<int>(::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(client.bottom / entry, 8);
    ::SendMessageW(box_.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_TRUE(changes_.empty());
}

}  // namespace
}  // namespace vindel::testing
