#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "Driving.h"
#include "ModalBoxes.h"
#include "ProgramWindows.h"
#include "ScratchDirectory.h"
#include "app/Application.h"
#include "common/MatrixSetup.h"
#include "settings/SettingsFile.h"
#include "ui/Diagram.h"
#include "ui/Telnet.h"
#include "ui/qt/LineEditText.h"

namespace vindel {
namespace {

using testing::Entries;
using testing::PickEntry;

QStringList Counts(int n) {
    QStringList texts;
    for (int k = 1; k <= n; ++k)
        texts << QString::number(k);
    return texts;
}

// The main window on its own, in an empty working directory.
class SetupChoicesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        application_ = testing::StartWindows();
        ASSERT_TRUE(testing::Activate(*Form1));
    }
    void TearDown() override { application_.reset(); }

    static QString VisiblePictures() {
        QString shown;
        for (TImage* picture : {Form1->Image1, Form1->Image3, Form1->Image4, Form1->Image5}) {
            if (picture->isVisible())
                shown += picture->objectName();
        }
        return shown;
    }

    testing::ScratchDirectory scratch_{"choices"};
    std::unique_ptr<TApplication> application_;
};

TEST_F(SetupChoicesTest, FirstViewWithoutSettingsFile) {
    EXPECT_EQ(Form1->Label15->text(), "N x M Matrix Setup");
    EXPECT_EQ(Form1->Edit1->text(), "192.168.1.254");
    EXPECT_EQ(Form1->Edit2->text(), "");
    EXPECT_EQ(Form1->In_box->count(), 0);
    EXPECT_EQ(Form1->outbox->count(), 0);
    EXPECT_EQ(VisiblePictures(), "Image1");
    EXPECT_TRUE(Form1->In_box->hasFocus());
}

TEST_F(SetupChoicesTest, PickingAModelFillsItsTextsPictureAndInputs) {
    struct Case {
        int row;
        QString portCount, controlPort, model, picture;
        int inputs;
    };
    const Case cases[] = {
        {0, "9  Port", "Port G10", "SG300-10", "Image1", 8},
        {1, "19  Port", "Port G20", "SG300-20", "Image3", 18},
        {2, "27  Port", "Port G28", "SG300-28", "Image4", 26},
        {3, "51  Port", "Port G52", "SG300-52", "Image5", 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model.toStdString());
        PickEntry(*Form1->Probox, c.row);
        EXPECT_EQ(Form1->Label5->text(), c.portCount);
        EXPECT_EQ(Form1->Label13->text(), c.controlPort);
        EXPECT_EQ(Form1->Label8->text(), c.model);
        EXPECT_EQ(Form1->Label23->text(), c.model);
        EXPECT_EQ(QString::fromStdU16String(MatrixSetup.ModelName), c.model);
        EXPECT_EQ(VisiblePictures(), c.picture);
        EXPECT_EQ(Entries(*Form1->In_box), Counts(c.inputs));
    }
}

TEST_F(SetupChoicesTest, CountsNarrowTheOtherBox) {
    PickEntry(*Form1->Probox, 1);  // SG300-20: 19 ports
    PickEntry(*Form1->In_box, 4);
    EXPECT_EQ(MatrixSetup.InputCount, 5);
    EXPECT_EQ(Entries(*Form1->outbox), Counts(14));
    PickEntry(*Form1->outbox, 13);
    EXPECT_EQ(MatrixSetup.OutputCount, 14);
    EXPECT_EQ(Entries(*Form1->In_box), Counts(5));
    EXPECT_EQ(Form1->In_box->currentText(), "5");  // refilled, still showing its text
    EXPECT_EQ(Form1->In_box->ItemIndex(), -1);
    EXPECT_EQ(MatrixSetup.InputCount, 5);

    // A typed number that is no entry counts as no selection.
    Form1->In_box->lineEdit()->clear();
    QTest::keyClicks(Form1->In_box, "9");
    EXPECT_EQ(MatrixSetup.InputCount, 0);
    EXPECT_EQ(Entries(*Form1->outbox), Counts(19));

    // A new model refills the inputs only; the counts stay.
    MatrixSetup.InputCount = 3;
    PickEntry(*Form1->Probox, 0);
    EXPECT_EQ(Entries(*Form1->In_box), Counts(8));
    EXPECT_EQ(Entries(*Form1->outbox), Counts(19));
    EXPECT_EQ(MatrixSetup.InputCount, 3);
    EXPECT_EQ(MatrixSetup.OutputCount, 14);
}

TEST_F(SetupChoicesTest, TypingIntoTheModelBox) {
    QTest::keyClicks(Form1->Probox, "S");
    EXPECT_EQ(Form1->Probox->currentText(), "SG300-10");
    EXPECT_EQ(Form1->Label8->text(), "SG300-10");
    EXPECT_EQ(Entries(*Form1->In_box), Counts(8));

    // Text that begins no model hides every picture and changes nothing else.
    QTest::keyClick(Form1->Probox, Qt::Key_End);
    QTest::keyClicks(Form1->Probox, "x");
    EXPECT_EQ(VisiblePictures(), "");
    EXPECT_EQ(Form1->Label8->text(), "SG300-10");
    EXPECT_EQ(MatrixSetup.PortCount, 9);
    EXPECT_EQ(Entries(*Form1->In_box), Counts(8));
}

TEST_F(SetupChoicesTest, TypingOverTheSelectedTextCompletes) {
    PickEntry(*Form1->Probox, 1);  // SG300-20
    // Tab into the model box selects its whole text; "s" begins SG300-10.
    ASSERT_TRUE(testing::ClickInto(*Form1->Edit3));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(Form1->Probox->hasFocus());
    ASSERT_EQ(Form1->Probox->lineEdit()->selectedText(), "SG300-20");
    QTest::keyClicks(QApplication::focusWidget(), "s");
    EXPECT_EQ(Form1->Probox->currentText(), "SG300-10");
    EXPECT_EQ(Form1->Label8->text(), "SG300-10");
    EXPECT_EQ(VisiblePictures(), "Image1");
    EXPECT_EQ(MatrixSetup.PortCount, 9);
    EXPECT_EQ(Entries(*Form1->In_box), Counts(8));

    // Ctrl+A in a count box, then a count of one digit over one digit.
    PickEntry(*Form1->In_box, 2);
    ASSERT_TRUE(testing::ClickInto(*Form1->In_box));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "5");
    EXPECT_EQ(MatrixSetup.InputCount, 5);
    EXPECT_EQ(Entries(*Form1->outbox), Counts(4));
    PickEntry(*Form1->outbox, 0);
    ASSERT_TRUE(testing::ClickInto(*Form1->outbox));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "4");
    EXPECT_EQ(MatrixSetup.OutputCount, 4);
    EXPECT_EQ(Entries(*Form1->In_box), Counts(5));
}

TEST_F(SetupChoicesTest, LeavingABoxChangesNoCount) {
    PickEntry(*Form1->Probox, 0);
    ASSERT_TRUE(testing::ClickInto(*Form1->In_box));
    QTest::keyClicks(QApplication::focusWidget(), "9");  // no entry on an SG300-10
    EXPECT_EQ(MatrixSetup.InputCount, 0);
    PickEntry(*Form1->Probox, 1);  // "9" is an entry on an SG300-20
    ASSERT_EQ(Form1->In_box->currentText(), "9");

    ASSERT_TRUE(testing::ClickInto(*Form1->In_box));
    ASSERT_TRUE(testing::ClickInto(*Form1->Edit1));
    EXPECT_EQ(Form1->In_box->ItemIndex(), -1);
    EXPECT_EQ(MatrixSetup.InputCount, 0);
    EXPECT_EQ(Entries(*Form1->outbox), Counts(9));  // In_boxChange has not run again
}

TEST_F(SetupChoicesTest, ActivationRefillsTheEditBoxesFromTheSettingsFile) {
    PickEntry(*Form1->Probox, 3);
    Form1->Edit1->setText("10.1.2.3");
    Form1->Edit2->setText("admin");
    Form1->Edit3->setText("pw");
    WriteNewSettingsFile(LineEditText(*Form1->Edit1), LineEditText(*Form1->Edit2),
                         LineEditText(*Form1->Edit3));
    Form1->Edit1->setText("typed over");
    Form1->ShowControllerView();
    ASSERT_TRUE(testing::Activate(*Form2));
    Form2->hide();
    ASSERT_TRUE(testing::Activate(*Form1));
    EXPECT_EQ(Form1->Edit1->text(), "10.1.2.3");
    EXPECT_EQ(Form1->Label15->text(), "N x M Matrix Setup");
    EXPECT_EQ(VisiblePictures(), "Image1");  // the first model's picture, as designed
    EXPECT_EQ(Form1->Label8->text(), "SG300-52");
}

TEST_F(SetupChoicesTest, ShortSettingsFileStopsTheSetupViewWithOneBox) {
    std::ofstream(kSettingsFileName, std::ios::binary) << "0\r\nSG300-10\r\n1\r\n1\r\n10.9.9.9\r\n";
    Form1->ShowControllerView();
    testing::ModalBoxAcceptor acceptor;
    ASSERT_TRUE(testing::Activate(*Form2));
    Form2->hide();
    ASSERT_TRUE(testing::Activate(*Form1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !acceptor.boxes().empty(); }, 10000));
    QTest::qWait(50);
    ASSERT_EQ(acceptor.boxes().size(), 1u);
    EXPECT_EQ(acceptor.boxes()[0].text, "List index out of bounds (5)");
    EXPECT_EQ(Form1->Edit1->text(), "10.9.9.9");
    EXPECT_EQ(Form1->Label15->text(), "Matrix Controller");  // the view was not switched
}

}  // namespace
}  // namespace vindel
