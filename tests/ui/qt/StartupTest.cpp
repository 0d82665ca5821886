// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QTimer>
#include <cstdlib>
#include <memory>

#include "common/Exception.h"
#include "qt/ModalBoxes.h"
#include "ui/Application.h"
#include "ui/Diagram.h"
#include "ui/Telnet.h"
#include "ui/qt/ProgramEntry.h"

namespace vindel {
namespace {

using qt::ProgramEntry;
using testing::ModalBoxAcceptor;

char programName[] = "/opt/vindel/Vindel";
char* arguments[] = {programName, nullptr};

class StartupTest : public ::testing::Test {
  protected:
    void SetUp() override { ::setenv("QT_QPA_PLATFORM", "offscreen", 1); }
};

TEST_F(StartupTest, NormalRunEndsWithZeroWhenTheMainWindowCloses) {
    int argc = 1;
    bool form2_hidden = false;
    const int code = ProgramEntry(argc, arguments, [&](TApplication& application) {
        EXPECT_TRUE(application.MainFormOnTaskBar);
        application.CreateForm(Form1);
        application.CreateForm(Form2);
        QTimer::singleShot(50, [&] {
            form2_hidden = !Form2->Visible() && Form1->Visible();
            Form1->Close();
        });
    });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(form2_hidden);
}

TEST_F(StartupTest, FailureWhileCreatingWindowsIsShownAndStillEndsWithZero) {
    struct Case {
        std::function<void()> fail;
        QString shown;
    };
    const Case cases[] = {
        {[] { throw Exception(u"Window could not be built"); }, "Window could not be built."},
        {[] { throw 42; }, ""},
    };
    for (const auto& c : cases) {
        int argc = 1;
        std::unique_ptr<ModalBoxAcceptor> acceptor;
        QString title;
        const int code = ProgramEntry(argc, arguments, [&](TApplication& application) {
            acceptor = std::make_unique<ModalBoxAcceptor>();
            title = QString::fromStdU16String(application.Title);
            application.CreateForm(Form1);
            c.fail();
        });
        EXPECT_EQ(code, 0);
        ASSERT_EQ(acceptor->boxes().size(), 1u);
        EXPECT_EQ(acceptor->boxes()[0].text, c.shown);
        EXPECT_EQ(acceptor->boxes()[0].caption, title);
        acceptor.reset();
    }
}

}  // namespace
}  // namespace vindel
