// SPDX-License-Identifier: MIT
// The main window's handlers as the operator drives them, through the
// windows' interfaces.
#include <gtest/gtest.h>

#include <fstream>

#include "Driving.h"
#include "ProgramWindows.h"
#include "ScratchDirectory.h"
#include "common/MatrixSetup.h"
#include "common/Text.h"
#include "settings/SettingsFile.h"
#include "ui/Diagram.h"
#include "ui/Telnet.h"

namespace vindel {
namespace {

using testing::Key;
using testing::PickEntry;
using testing::Press;
using testing::Type;
using Texts = std::vector<std::u16string>;

Texts Counts(int n) {
    Texts texts;
    for (int k = 1; k <= n; ++k)
        texts.push_back(DecimalText(k));
    return texts;
}

// The main window on its own, in an empty working directory.
class SetupChoicesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        program_ = testing::StartWindows();
        ASSERT_TRUE(testing::Activate(*Form1));
    }
    void TearDown() override { program_.reset(); }

    static std::string VisiblePictures() {
        std::string shown;
        const std::pair<const Picture*, const char*> pictures[] = {
            {Form1->Image1, "Image1"},
            {Form1->Image3, "Image3"},
            {Form1->Image4, "Image4"},
            {Form1->Image5, "Image5"},
        };
        for (const auto& [picture, name] : pictures) {
            if (picture->Visible())
                shown += name;
        }
        return shown;
    }

    testing::ScratchDirectory scratch_{"choices"};
    std::unique_ptr<testing::TestProgram> program_;
};

TEST_F(SetupChoicesTest, FirstViewWithoutSettingsFile) {
    EXPECT_EQ(Form1->Label15->Caption(), u"N x M Matrix Setup");
    EXPECT_EQ(Form1->Edit1->Text(), u"192.168.1.254");
    EXPECT_EQ(Form1->Edit2->Text(), u"");
    EXPECT_TRUE(Form1->In_box->Entries().empty());
    EXPECT_TRUE(Form1->outbox->Entries().empty());
    EXPECT_EQ(VisiblePictures(), "Image1");
    EXPECT_TRUE(testing::HasFocus(*Form1->In_box));
}

TEST_F(SetupChoicesTest, PickingAModelFillsItsTextsPictureAndInputs) {
    struct Case {
        int row;
        std::u16string portCount, controlPort, model;
        std::string picture;
        int inputs;
    };
    const Case cases[] = {
        {0, u"9  Port", u"Port G10", u"SG300-10", "Image1", 8},
        {1, u"19  Port", u"Port G20", u"SG300-20", "Image3", 18},
        {2, u"27  Port", u"Port G28", u"SG300-28", "Image4", 26},
        {3, u"51  Port", u"Port G52", u"SG300-52", "Image5", 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picture);
        PickEntry(*Form1->Probox, c.row);
        EXPECT_EQ(Form1->Label5->Caption(), c.portCount);
        EXPECT_EQ(Form1->Label13->Caption(), c.controlPort);
        EXPECT_EQ(Form1->Label8->Caption(), c.model);
        EXPECT_EQ(Form1->Label23->Caption(), c.model);
        EXPECT_EQ(MatrixSetup.ModelName, c.model);
        EXPECT_EQ(VisiblePictures(), c.picture);
        EXPECT_EQ(Form1->In_box->Entries(), Counts(c.inputs));
    }
}

TEST_F(SetupChoicesTest, CountsNarrowTheOtherBox) {
    PickEntry(*Form1->Probox, 1);  // SG300-20: 19 ports
    PickEntry(*Form1->In_box, 4);
    EXPECT_EQ(MatrixSetup.InputCount, 5);
    EXPECT_EQ(Form1->outbox->Entries(), Counts(14));
    PickEntry(*Form1->outbox, 13);
    EXPECT_EQ(MatrixSetup.OutputCount, 14);
    EXPECT_EQ(Form1->In_box->Entries(), Counts(5));
    EXPECT_EQ(Form1->In_box->Text(), u"5");  // refilled, still showing its text
    EXPECT_EQ(Form1->In_box->ItemIndex(), -1);
    EXPECT_EQ(MatrixSetup.InputCount, 5);

    // A typed number that is no entry counts as no selection.
    Press(*Form1->In_box, Key::SelectAll);
    Type(*Form1->In_box, u"9");
    EXPECT_EQ(MatrixSetup.InputCount, 0);
    EXPECT_EQ(Form1->outbox->Entries(), Counts(19));

    // A new model refills the inputs only; the counts stay.
    MatrixSetup.InputCount = 3;
    PickEntry(*Form1->Probox, 0);
    EXPECT_EQ(Form1->In_box->Entries(), Counts(8));
    EXPECT_EQ(Form1->outbox->Entries(), Counts(19));
    EXPECT_EQ(MatrixSetup.InputCount, 3);
    EXPECT_EQ(MatrixSetup.OutputCount, 14);
}

TEST_F(SetupChoicesTest, TypingIntoTheModelBox) {
    Type(*Form1->Probox, u"S");
    EXPECT_EQ(Form1->Probox->Text(), u"SG300-10");
    EXPECT_EQ(Form1->Label8->Caption(), u"SG300-10");
    EXPECT_EQ(Form1->In_box->Entries(), Counts(8));

    // Text that begins no model hides every picture and changes nothing else.
    Press(*Form1->Probox, Key::End);
    Type(*Form1->Probox, u"x");
    EXPECT_EQ(VisiblePictures(), "");
    EXPECT_EQ(Form1->Label8->Caption(), u"SG300-10");
    EXPECT_EQ(MatrixSetup.PortCount, 9);
    EXPECT_EQ(Form1->In_box->Entries(), Counts(8));
}

TEST_F(SetupChoicesTest, TypingOverTheSelectedTextCompletes) {
    PickEntry(*Form1->Probox, 1);  // SG300-20
    // Tab into the model box selects its whole text; "s" begins SG300-10.
    ASSERT_TRUE(testing::ClickInto(*Form1->Edit3));
    Press(*Form1->Edit3, Key::Tab);
    ASSERT_TRUE(testing::HasFocus(*Form1->Probox));
    ASSERT_EQ(testing::SelectedText(*Form1->Probox), u"SG300-20");
    Type(*Form1->Probox, u"s");
    EXPECT_EQ(Form1->Probox->Text(), u"SG300-10");
    EXPECT_EQ(Form1->Label8->Caption(), u"SG300-10");
    EXPECT_EQ(VisiblePictures(), "Image1");
    EXPECT_EQ(MatrixSetup.PortCount, 9);
    EXPECT_EQ(Form1->In_box->Entries(), Counts(8));

    // Select all in a count box, then a count of one digit over one digit.
    PickEntry(*Form1->In_box, 2);
    ASSERT_TRUE(testing::ClickInto(*Form1->In_box));
    Press(*Form1->In_box, Key::SelectAll);
    Type(*Form1->In_box, u"5");
    EXPECT_EQ(MatrixSetup.InputCount, 5);
    EXPECT_EQ(Form1->outbox->Entries(), Counts(4));
    PickEntry(*Form1->outbox, 0);
    ASSERT_TRUE(testing::ClickInto(*Form1->outbox));
    Press(*Form1->outbox, Key::SelectAll);
    Type(*Form1->outbox, u"4");
    EXPECT_EQ(MatrixSetup.OutputCount, 4);
    EXPECT_EQ(Form1->In_box->Entries(), Counts(5));
}

TEST_F(SetupChoicesTest, LeavingABoxChangesNoCount) {
    PickEntry(*Form1->Probox, 0);
    ASSERT_TRUE(testing::ClickInto(*Form1->In_box));
    Type(*Form1->In_box, u"9");  // no entry on an SG300-10
    EXPECT_EQ(MatrixSetup.InputCount, 0);
    PickEntry(*Form1->Probox, 1);  // "9" is an entry on an SG300-20
    ASSERT_EQ(Form1->In_box->Text(), u"9");

    ASSERT_TRUE(testing::ClickInto(*Form1->In_box));
    ASSERT_TRUE(testing::ClickInto(*Form1->Edit1));
    EXPECT_EQ(Form1->In_box->ItemIndex(), -1);
    EXPECT_EQ(MatrixSetup.InputCount, 0);
    EXPECT_EQ(Form1->outbox->Entries(), Counts(9));  // In_boxChange has not run again
}

TEST_F(SetupChoicesTest, ActivationRefillsTheEditBoxesFromTheSettingsFile) {
    PickEntry(*Form1->Probox, 3);
    Form1->Edit1->SetText(u"10.1.2.3");
    Form1->Edit2->SetText(u"admin");
    Form1->Edit3->SetText(u"pw");
    WriteNewSettingsFile(*Form1->Edit1, *Form1->Edit2, *Form1->Edit3);
    Form1->Edit1->SetText(u"typed over");
    Form1->ShowControllerView();
    ASSERT_TRUE(testing::Activate(*Form2));
    Form2->Hide();
    ASSERT_TRUE(testing::Activate(*Form1));
    EXPECT_EQ(Form1->Edit1->Text(), u"10.1.2.3");
    EXPECT_EQ(Form1->Label15->Caption(), u"N x M Matrix Setup");
    EXPECT_EQ(VisiblePictures(), "Image1");  // the first model's picture, as designed
    EXPECT_EQ(Form1->Label8->Caption(), u"SG300-52");
}

TEST_F(SetupChoicesTest, ShortSettingsFileStopsTheSetupViewWithOneBox) {
    std::ofstream(kSettingsFileName, std::ios::binary) << "0\r\nSG300-10\r\n1\r\n1\r\n10.9.9.9\r\n";
    Form1->ShowControllerView();
    const auto boxes = testing::AcceptBoxes();
    ASSERT_TRUE(testing::Activate(*Form2));
    Form2->Hide();
    ASSERT_TRUE(testing::Activate(*Form1));
    ASSERT_TRUE(testing::WaitFor([&] { return !boxes->Texts().empty(); }));
    testing::Drain();
    EXPECT_EQ(boxes->Texts(), Texts({u"List index out of bounds (5)"}));
    EXPECT_EQ(Form1->Edit1->Text(), u"10.9.9.9");
    EXPECT_EQ(Form1->Label15->Caption(), u"Matrix Controller");  // the view was not switched
}

// A run that fails, here before it connects, shows its box over the
// controller view and then the setup view again, for the next try.
TEST_F(SetupChoicesTest, FailedRunShowsTheSetupViewAgainOnceItsBoxIsClosed) {
    PickEntry(*Form1->Probox, 3);
    MatrixSetup.InputCount = 51;  // more than the switch takes
    MatrixSetup.OutputCount = 0;
    Form1->Edit1->SetText(u"10.1.2.3");
    const auto boxes = testing::AcceptBoxes();
    Form1->Button1->Click();
    ASSERT_TRUE(testing::WaitFor([&] { return boxes->Texts().size() == 2; }));
    testing::Drain();
    EXPECT_EQ(
        boxes->Texts(),
        Texts({u"Please watting few minute!",
               u"The setup asks for 51 input ports and 0 output ports, but the switch "
               u"takes 0 to 50 input ports and at most 51 input and output ports together."}));
    EXPECT_EQ(Form1->Label15->Caption(), u"N x M Matrix Setup");
    EXPECT_TRUE(Form1->Button1->Visible());
    EXPECT_EQ(Form1->Edit1->Text(), u"10.1.2.3");
    EXPECT_FALSE(Form2->Visible());
}

}  // namespace
}  // namespace vindel
