#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "Driving.h"
#include "ProgramWindows.h"
#include "app/Application.h"
#include "common/MatrixSetup.h"
#include "ui/Diagram.h"
#include "ui/Telnet.h"

namespace vindel {
namespace {

class DiagramTest : public ::testing::Test {
  protected:
    void SetUp() override { application_ = testing::StartWindows(); }
    void TearDown() override { application_.reset(); }

    // Shows the diagram window and waits until it has become active.
    static void ShowDiagram() { ASSERT_TRUE(testing::Activate(*Form2)); }

    static QString VisiblePicture() {
        QString shown;
        for (TImage* picture : {Form2->Image2, Form2->Image3, Form2->Image4, Form2->Image5}) {
            if (picture->isVisibleTo(Form2))
                shown += picture->objectName();
        }
        return shown;
    }

    std::unique_ptr<TApplication> application_;
};

TEST_F(DiagramTest, CloseButtonAppearsOnlyWithTheFirstActivation) {
    EXPECT_FALSE(Form2->BitBtn1->isVisibleTo(Form2));
    EXPECT_EQ(VisiblePicture(), "Image2Image3Image4Image5");  // all four as laid out
    ShowDiagram();
    EXPECT_TRUE(Form2->BitBtn1->isVisible());
    EXPECT_EQ(Form2->BitBtn1->geometry(), QRect(409, 376, 86, 33));
}

TEST_F(DiagramTest, ShowsThePortsOfTheSetup) {
    struct Case {
        const char16_t* model;
        int inputs, outputs;
        QString picture, modelLabel, controlPort, lastInput, firstOutput, lastOutput;
    };
    const Case cases[] = {
        {u"SG300-10", 3, 5, "Image2", "SG300-10", "Port G10", "Ports 3", "Ports 4", "Ports 8"},
        {u"SG300-52", 50, 1, "Image5", "SG300-52", "Port G52", "Ports 50", "Ports 51", "Ports 51"},
        // No model: no picture, and the labels keep what they held.
        {u"", 0, 0, "", "SG300-52", "Port G52", "Ports 0", "Ports 1", "Ports 0"},
        {u"sg300-10", 2, 2, "", "SG300-52", "Port G52", "Ports 2", "Ports 3", "Ports 4"},
    };
    EXPECT_EQ(Form2->Label3->text(), "Ports 1");
    EXPECT_EQ(Form2->Label4->text(), "");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.modelLabel.toStdString() + " " + std::to_string(c.inputs));
        MatrixSetup.ModelName = c.model;
        MatrixSetup.InputCount = c.inputs;
        MatrixSetup.OutputCount = c.outputs;
        // Back to the main window and again to the diagram: a new activation.
        ASSERT_TRUE(testing::Activate(*Form1));
        ShowDiagram();
        EXPECT_EQ(VisiblePicture(), c.picture);
        EXPECT_EQ(Form2->Label4->text(), c.modelLabel);
        EXPECT_EQ(Form2->Label3->text(), c.controlPort);
        EXPECT_EQ(Form2->Label7->text(), c.lastInput);
        EXPECT_EQ(Form2->Label10->text(), c.firstOutput);
        EXPECT_EQ(Form2->Label9->text(), c.lastOutput);
        EXPECT_EQ(Form2->Label11->text(), "Ports 1");
    }
}

TEST_F(DiagramTest, CloseEndsTheProgram) {
    ShowDiagram();
    Form2->BitBtn1->click();
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_TRUE(application_->Terminated);
}

}  // namespace
}  // namespace vindel
