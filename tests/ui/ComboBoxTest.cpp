#include "ui/qt/ComboBox.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "Driving.h"

namespace vindel {
namespace {

// Records the selected position at each change the box raises.
class ComboBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        box_.addItems({"SG300-10", "SG300-20", "SG300-28", "SG300-52"});
        box_.setCurrentIndex(-1);
        box_.show();
        QObject::connect(&box_, &TComboBox::Change,
                         [this] { changes_.push_back(box_.ItemIndex()); });
    }

    TComboBox box_{nullptr, "box"};
    std::vector<int> changes_;
};

TEST_F(ComboBoxTest, TypingCompletesToTheFirstEntryAndRaisesItsPosition) {
    QTest::keyClicks(&box_, "s");
    EXPECT_EQ(box_.currentText(), "SG300-10");
    EXPECT_EQ(box_.lineEdit()->selectedText(), "G300-10");
    EXPECT_EQ(changes_, std::vector<int>{0});

    QTest::keyClicks(&box_, "G3");  // still the same entry: no new change
    EXPECT_EQ(changes_, std::vector<int>{0});
    QTest::keyClicks(&box_, "00-2");
    EXPECT_EQ(box_.currentText(), "SG300-20");
    EXPECT_EQ(changes_, (std::vector<int>{0, 1}));

    QTest::keyClicks(&box_, "9");  // "SG300-29" begins no entry
    EXPECT_EQ(box_.currentText(), "SG300-29");
    EXPECT_EQ(box_.ItemIndex(), -1);
    EXPECT_EQ(changes_, (std::vector<int>{0, 1, -1}));

    QTest::keyClick(&box_, Qt::Key_Backspace);  // a deletion completes nothing
    EXPECT_EQ(box_.currentText(), "SG300-2");
    EXPECT_EQ(changes_, (std::vector<int>{0, 1, -1, -1}));
    QTest::keyClick(&box_, Qt::Key_Return);  // Return adds no entry
    EXPECT_EQ(box_.count(), 4);
}

TEST_F(ComboBoxTest, TypingOverTheSelectedTextIsTyping) {
    struct Case {
        int picked;         // the entry picked before
        const char* typed;  // typed over the whole text, selected with Ctrl+A; \b: Backspace
        const char* text;   // what the box shows afterwards
        int index;          // the entry it selects afterwards
        std::vector<int> changes;
    };
    const Case cases[] = {
        {1, "s", "SG300-10", 0, {0}},
        // The new text is the beginning of the old one, and still typed.
        {1, "S", "SG300-10", 0, {0}},
        {1, "sg300-5", "SG300-52", 3, {0, 3}},
        {0, "s", "SG300-10", 0, {}},  // the entry it had: nothing new
        {1, "x", "x", -1, {-1}},
        {1, "\b", "", -1, {-1}},
        {1, "s\b", "S", -1, {0, -1}},  // deleting the completed part completes nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        testing::PickEntry(box_, c.picked);
        changes_.clear();
        QTest::keyClick(&box_, Qt::Key_A, Qt::ControlModifier);
        ASSERT_EQ(box_.lineEdit()->selectedText(), box_.currentText());
        QTest::keyClicks(&box_, c.typed);
        EXPECT_EQ(box_.currentText(), c.text);
        EXPECT_EQ(box_.ItemIndex(), c.index);
        EXPECT_EQ(changes_, c.changes);
    }
}

TEST_F(ComboBoxTest, ReturnSelectsAndRaisesNothing) {
    QTest::keyClicks(&box_, "s");
    QTest::keyClick(&box_, Qt::Key_Return);  // the completion selected it already
    EXPECT_EQ(changes_, std::vector<int>{0});

    box_.Refill({"SG300-10", "SG300-20"});  // shows "SG300-10" with no entry selected
    changes_.clear();
    QTest::keyClick(&box_, Qt::Key_Return);
    EXPECT_EQ(box_.ItemIndex(), -1);
    EXPECT_TRUE(changes_.empty());
}

TEST_F(ComboBoxTest, PickingFromTheListRaisesItsPosition) {
    testing::PickEntry(box_, 2);
    EXPECT_EQ(box_.currentText(), "SG300-28");
    EXPECT_EQ(changes_, std::vector<int>{2});
}

TEST_F(ComboBoxTest, RefillKeepsTheTextAndRaisesNothing) {
    QTest::keyClicks(&box_, "SG300-5");
    changes_.clear();
    box_.Refill({"1", "2", "3"});
    EXPECT_EQ(box_.currentText(), "SG300-52");
    EXPECT_EQ(box_.ItemIndex(), -1);
    EXPECT_EQ(box_.count(), 3);
    box_.Refill({});
    EXPECT_EQ(box_.currentText(), "SG300-52");
    EXPECT_TRUE(changes_.empty());
}

}  // namespace
}  // namespace vindel
