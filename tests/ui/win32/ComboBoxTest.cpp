// SPDX-License-Identifier: MIT
#include "ui/win32/ComboBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ToolkitDriving.h"
#include "ToolkitTest.h"
#include "ui/win32/EditBox.h"
#include "ui/win32/WindowText.h"

namespace vindel::win32::testing {
namespace {

const std::vector<std::u16string> kModels{u"SG300-10", u"SG300-20", u"SG300-28", u"SG300-52"};

// Records the selected position at each change the box raises. The keys go
// to the box's edit box as real key messages, through the shell's loop.
class ComboBoxTest : public ToolkitTest {
  protected:
    ComboBoxTest() {
        box_.Refill(kModels);
        box_.SetChangeHandler([this] { changes_.push_back(box_.ItemIndex()); });
        form_.Show();
        WaitUntil(shell_, [this] { return ::GetFocus() == box_.EditHandle(); });
    }

    void Type(std::u16string_view text) { testing::Type(shell_, box_.EditHandle(), text); }
    void Press(UINT key) { PressKey(shell_, key); }
    std::u16string SelectedText() const {
        DWORD start = 0;
        DWORD end = 0;
        ::SendMessageW(box_.EditHandle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                       reinterpret_cast<LPARAM>(&end));
        return box_.Text().substr(start, end - start);
    }
    void Pick(int index) {
        const HWND list = ListOf(box_);
        ::SendMessageW(box_.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
        RECT entry{};
        ::SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&entry));
        Click(shell_, list, {entry.left + 2, entry.top + 2});
    }
    static HWND ListOf(const ComboBox& box) {
        COMBOBOXINFO parts{};
        parts.cbSize = sizeof parts;
        ::GetComboBoxInfo(box.Handle(), &parts);
        return parts.hwndList;
    }

    Form form_{shell_, kMainDesign};
    ComboBox box_{form_, {{230, 92, 145, 26}, kCalibri15}};
    EditBox next_{form_, {{167, 493, 122, 26}, u"", kCalibri15}};
    std::vector<int> changes_;
};

TEST_F(ComboBoxTest, TypingCompletesToTheFirstEntryAndRaisesItsPosition) {
    Type(u"s");
    EXPECT_EQ(box_.Text(), u"SG300-10");
    EXPECT_EQ(SelectedText(), u"G300-10");
    EXPECT_EQ(changes_, std::vector<int>{0});

    Type(u"G3");  // still the same entry: no new change
    EXPECT_EQ(changes_, std::vector<int>{0});
    Type(u"00-2");
    EXPECT_EQ(box_.Text(), u"SG300-20");
    EXPECT_EQ(changes_, (std::vector<int>{0, 1}));

    Type(u"9");  // "SG300-29" begins no entry
    EXPECT_EQ(box_.Text(), u"SG300-29");
    EXPECT_EQ(box_.ItemIndex(), -1);
    EXPECT_EQ(changes_, (std::vector<int>{0, 1, -1}));

    Type(u"\b");  // a deletion completes nothing
    EXPECT_EQ(box_.Text(), u"SG300-2");
    EXPECT_EQ(box_.ItemIndex(), -1);
    EXPECT_EQ(changes_, (std::vector<int>{0, 1, -1, -1}));

    Type(u"8");
    EXPECT_EQ(box_.Text(), u"SG300-28");
    EXPECT_EQ(box_.ItemIndex(), 2);
    ::SendMessageW(box_.EditHandle(), EM_SETSEL, 5, -1);
    Press(VK_DELETE);  // the Delete key deletes too
    EXPECT_EQ(box_.Text(), u"SG300");
    EXPECT_EQ(box_.ItemIndex(), -1);
    EXPECT_EQ(changes_, (std::vector<int>{0, 1, -1, -1, 2, -1}));
}

TEST_F(ComboBoxTest, TypingOverTheSelectedTextIsTyping) {
    struct Case {
        int picked;            // the entry picked before
        std::u16string typed;  // typed over the whole text, selected; \b: Backspace
        std::u16string text;   // what the box shows afterwards
        int index;             // the entry it selects afterwards
        std::vector<int> changes;
    };
    const Case cases[] = {
        {1, u"s", u"SG300-10", 0, {0}},
        // The new text is the beginning of the old one, and still typed.
        {1, u"S", u"SG300-10", 0, {0}},
        {1, u"sg300-5", u"SG300-52", 3, {0, 3}},
        {0, u"s", u"SG300-10", 0, {}},  // the entry it had: nothing new
        {1, u"x", u"x", -1, {-1}},
        {1, u"\b", u"", -1, {-1}},
        {1, u"s\b", u"S", -1, {0, -1}},  // deleting the completed part completes nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed.begin(), c.typed.end()));
        Pick(c.picked);
        ASSERT_EQ(box_.ItemIndex(), c.picked);
        changes_.clear();
        ::SendMessageW(box_.EditHandle(), EM_SETSEL, 0, -1);
        Type(c.typed);
        EXPECT_EQ(box_.Text(), c.text);
        EXPECT_EQ(box_.ItemIndex(), c.index);
        EXPECT_EQ(changes_, c.changes);
    }
}

TEST_F(ComboBoxTest, PickingFromTheListRaisesItsPosition) {
    Pick(2);
    EXPECT_EQ(box_.Text(), u"SG300-28");
    EXPECT_EQ(changes_, std::vector<int>{2});
    EXPECT_FALSE(::SendMessageW(box_.Handle(), CB_GETDROPPEDSTATE, 0, 0));
}

TEST_F(ComboBoxTest, ReturnAndLeavingTheBoxSelectAndRaiseNothing) {
    Type(u"s");
    Press(VK_RETURN);  // the completion selected it already
    EXPECT_EQ(changes_, std::vector<int>{0});

    box_.Refill({u"SG300-10", u"SG300-20"});  // shows "SG300-10", no entry selected
    changes_.clear();
    Press(VK_RETURN);
    EXPECT_EQ(box_.ItemIndex(), -1);
    Press(VK_TAB);
    ASSERT_EQ(::GetFocus(), next_.Handle());
    EXPECT_EQ(box_.ItemIndex(), -1);
    EXPECT_EQ(box_.Text(), u"SG300-10");
    EXPECT_TRUE(changes_.empty());
}

TEST_F(ComboBoxTest, RefillKeepsTheTextAndRaisesNothing) {
    Type(u"SG300-5");
    changes_.clear();
    box_.Refill({u"1", u"2", u"3"});
    EXPECT_EQ(box_.Text(), u"SG300-52");
    EXPECT_EQ(box_.ItemIndex(), -1);
    EXPECT_EQ(::SendMessageW(box_.Handle(), CB_GETCOUNT, 0, 0), 3);
    box_.Refill({});
    EXPECT_EQ(box_.Text(), u"SG300-52");
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
}  // namespace vindel::win32::testing
