// SPDX-License-Identifier: MIT
// The combo box that every toolkit makes, on a window of its own, through
// the windows' interfaces.
#include <gtest/gtest.h>

#include <memory>

#include "Driving.h"
#include "ProgramWindows.h"
#include "common/Text.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/Toolkit.h"
#include "ui/WindowDescription.h"

namespace vindel {
namespace {

using testing::Key;
using testing::Press;
using testing::Type;
using Texts = std::vector<std::u16string>;

constexpr ControlDescription kBox[] = {
    InputControl(ControlKind::ComboBox, "box", {10, 10, 145, 26}, u"", {u"Calibri", 15},
                 TextColour::Black, 0, u""),
};
constexpr FormDescription kWindow{"ComboBoxTest", u"Vindel", {0, 0, 300, 100}, {}, kBox};

// Records the selected position at each change the box raises.
class ComboBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        box_.Refill(Texts{u"SG300-10", u"SG300-20", u"SG300-28", u"SG300-52"});
        window_->Show();
        box_.SetOnChange([this] { changes_.push_back(box_.ItemIndex()); });
    }

    std::unique_ptr<Toolkit> toolkit_ = testing::MakeToolkit();
    std::unique_ptr<Form> window_ = toolkit_->MakeForm(kWindow, nullptr);
    ComboBox& box_ = dynamic_cast<ComboBox&>(*window_->Find("box"));
    std::vector<int> changes_;
};

TEST_F(ComboBoxTest, TypingCompletesToTheFirstEntryAndRaisesItsPosition) {
    Type(box_, u"s");
    EXPECT_EQ(box_.Text(), u"SG300-10");
    EXPECT_EQ(testing::SelectedText(box_), u"G300-10");
    EXPECT_EQ(changes_, std::vector<int>{0});

    Type(box_, u"G3");  // still the same entry: no new change
    EXPECT_EQ(changes_, std::vector<int>{0});
    Type(box_, u"00-2");
    EXPECT_EQ(box_.Text(), u"SG300-20");
    EXPECT_EQ(changes_, (std::vector<int>{0, 1}));

    Type(box_, u"9");  // "SG300-29" begins no entry
    EXPECT_EQ(box_.Text(), u"SG300-29");
    EXPECT_EQ(box_.ItemIndex(), -1);
    EXPECT_EQ(changes_, (std::vector<int>{0, 1, -1}));

    Press(box_, Key::Backspace);  // a deletion completes nothing
    EXPECT_EQ(box_.Text(), u"SG300-2");
    EXPECT_EQ(changes_, (std::vector<int>{0, 1, -1, -1}));
    Press(box_, Key::Return);  // Return adds no entry
    EXPECT_EQ(box_.Entries().size(), 4u);
}

TEST_F(ComboBoxTest, TypingOverTheSelectedTextIsTyping) {
    struct Case {
        int picked;                 // the entry picked before
        std::u16string_view typed;  // typed over the whole text, selected; \b: Backspace
        std::u16string_view text;   // what the box shows afterwards
        int index;                  // the entry it selects afterwards
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
        SCOPED_TRACE(ToUtf8(c.typed));
        testing::PickEntry(box_, c.picked);
        changes_.clear();
        Press(box_, Key::SelectAll);
        ASSERT_EQ(testing::SelectedText(box_), box_.Text());
        for (const char16_t key : c.typed) {
            if (key == u'\b') {
                Press(box_, Key::Backspace);
            } else {
                Type(box_, std::u16string_view(&key, 1));
            }
        }
        EXPECT_EQ(box_.Text(), c.text);
        EXPECT_EQ(box_.ItemIndex(), c.index);
        EXPECT_EQ(changes_, c.changes);
    }
}

TEST_F(ComboBoxTest, ReturnSelectsAndRaisesNothing) {
    Type(box_, u"s");
    Press(box_, Key::Return);  // the completion selected it already
    EXPECT_EQ(changes_, std::vector<int>{0});

    box_.Refill(Texts{u"SG300-10", u"SG300-20"});  // shows "SG300-10" with no entry selected
    changes_.clear();
    Press(box_, Key::Return);
    EXPECT_EQ(box_.ItemIndex(), -1);
    EXPECT_TRUE(changes_.empty());
}

TEST_F(ComboBoxTest, PickingFromTheListRaisesItsPosition) {
    testing::PickEntry(box_, 2);
    EXPECT_EQ(box_.Text(), u"SG300-28");
    EXPECT_EQ(changes_, std::vector<int>{2});
}

TEST_F(ComboBoxTest, RefillKeepsTheTextAndRaisesNothing) {
    Type(box_, u"SG300-5");
    changes_.clear();
    box_.Refill(Texts{u"1", u"2", u"3"});
    EXPECT_EQ(box_.Text(), u"SG300-52");
    EXPECT_EQ(box_.ItemIndex(), -1);
    EXPECT_EQ(box_.Entries(), (Texts{u"1", u"2", u"3"}));
    box_.Refill({});
    EXPECT_EQ(box_.Text(), u"SG300-52");
    EXPECT_TRUE(changes_.empty());
}

}  // namespace
}  // namespace vindel
