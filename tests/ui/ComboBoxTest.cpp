#include "ui/ComboBox.h"

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
