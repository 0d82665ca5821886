// SPDX-License-Identifier: MIT
// The diagram window, through the windows' interfaces.
#include <gtest/gtest.h>

#include "Driving.h"
#include "ProgramWindows.h"
#include "common/MatrixSetup.h"
#include "common/Text.h"
#include "ui/Diagram.h"
#include "ui/Telnet.h"

namespace vindel {
namespace {

class DiagramTest : public ::testing::Test {
  protected:
    void SetUp() override { program_ = testing::StartWindows(); }
    void TearDown() override { program_.reset(); }

    // Shows the diagram window and waits until it has become active.
    static void ShowDiagram() { ASSERT_TRUE(testing::Activate(*Form2)); }

    static std::string VisiblePicture() {
        std::string shown;
        const std::pair<const Picture*, const char*> pictures[] = {
            {Form2->Image2, "Image2"},
            {Form2->Image3, "Image3"},
            {Form2->Image4, "Image4"},
            {Form2->Image5, "Image5"},
        };
        for (const auto& [picture, name] : pictures) {
            if (picture->Visible())
                shown += name;
        }
        return shown;
    }

    std::unique_ptr<testing::TestProgram> program_;
};

TEST_F(DiagramTest, CloseButtonAppearsOnlyWithTheFirstActivation) {
    EXPECT_FALSE(Form2->BitBtn1->Visible());
    EXPECT_EQ(VisiblePicture(), "Image2Image3Image4Image5");  // all four as laid out
    ShowDiagram();
    EXPECT_TRUE(Form2->BitBtn1->Visible());
    EXPECT_EQ(Form2->BitBtn1->Geometry(), (Bounds{409, 376, 86, 33}));
}

TEST_F(DiagramTest, ShowsThePortsOfTheSetup) {
    struct Case {
        const char16_t* model;
        int inputs, outputs;
        std::string picture;
        std::u16string modelLabel, controlPort, lastInput, firstOutput, lastOutput;
    };
    const Case cases[] = {
        {u"SG300-10", 3, 5, "Image2", u"SG300-10", u"Port G10", u"Ports 3", u"Ports 4", u"Ports 8"},
        {u"SG300-52", 50, 1, "Image5", u"SG300-52", u"Port G52", u"Ports 50", u"Ports 51",
         u"Ports 51"},
        // No model: no picture, and the labels keep what they held.
        {u"", 0, 0, "", u"SG300-52", u"Port G52", u"Ports 0", u"Ports 1", u"Ports 0"},
        {u"sg300-10", 2, 2, "", u"SG300-52", u"Port G52", u"Ports 2", u"Ports 3", u"Ports 4"},
    };
    EXPECT_EQ(Form2->Label3->Caption(), u"Ports 1");
    EXPECT_EQ(Form2->Label4->Caption(), u"");
    for (const Case& c : cases) {
        SCOPED_TRACE(ToUtf8(c.modelLabel) + " " + std::to_string(c.inputs));
        MatrixSetup.ModelName = c.model;
        MatrixSetup.InputCount = c.inputs;
        MatrixSetup.OutputCount = c.outputs;
        // Back to the main window and again to the diagram: a new activation.
        ASSERT_TRUE(testing::Activate(*Form1));
        ShowDiagram();
        EXPECT_EQ(VisiblePicture(), c.picture);
        EXPECT_EQ(Form2->Label4->Caption(), c.modelLabel);
        EXPECT_EQ(Form2->Label3->Caption(), c.controlPort);
        EXPECT_EQ(Form2->Label7->Caption(), c.lastInput);
        EXPECT_EQ(Form2->Label10->Caption(), c.firstOutput);
        EXPECT_EQ(Form2->Label9->Caption(), c.lastOutput);
        EXPECT_EQ(Form2->Label11->Caption(), u"Ports 1");
    }
}

TEST_F(DiagramTest, CloseEndsTheProgram) {
    ShowDiagram();
    Form2->BitBtn1->Click();
    EXPECT_FALSE(Form2->Visible());
    EXPECT_TRUE(program_->application.Terminated);
}

}  // namespace
}  // namespace vindel
