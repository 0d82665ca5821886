// SPDX-License-Identifier: MIT
// The rules every toolkit's windows follow, written once in ui/Toolkit and
// ui/HandlerGuard.h, tested here once for every toolkit: where a failure
// in a handler goes, when a window's activation handler runs, what closing
// a window does, and what a pause of the provisioning script refuses and
// holds back.
#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <vector>

#include "Driving.h"
#include "ProgramWindows.h"
#include "common/Exception.h"
#include "ui/Application.h"
#include "ui/HandlerGuard.h"
#include "ui/TForm.h"
#include "ui/Toolkit.h"
#include "ui/WindowDescription.h"

namespace vindel {
namespace {

using namespace std::chrono_literals;

constexpr FormDescription kCountingForm{"CountingForm", u"", {0, 0, 200, 100}, {u"Tahoma", 11}, {}};

// The windows gone, in the order they went.
std::vector<std::string> destroyed;

// A window that counts its activations and can be told to fail in them.
class CountingForm final : public TForm {
  public:
    CountingForm(Toolkit& toolkit, TForm* owner)
        : TForm(toolkit, kCountingForm, owner), name_(owner == nullptr ? "main" : "second") {}
    ~CountingForm() override { destroyed.push_back(name_); }
    CountingForm(const CountingForm&) = delete;
    CountingForm& operator=(const CountingForm&) = delete;

    void FormActivate() override {
        ++activations;
        if (failure)
            throw Exception(u"activation failed");
    }
    int activations = 0;
    bool failure = false;

  private:
    std::string name_;
};

class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        destroyed.clear();
        application_ = std::make_unique<TApplication>(*toolkit_);
        application_->CreateForm(main_);
        application_->CreateForm(second_);
    }
    void TearDown() override { application_.reset(); }

    static void Activate(TForm* window) { ASSERT_TRUE(testing::Activate(*window)); }

    const std::unique_ptr<Toolkit> toolkit_ = testing::MakeToolkit();
    std::unique_ptr<TApplication> application_;
    CountingForm* main_ = nullptr;
    CountingForm* second_ = nullptr;
};

TEST_F(ShellTest, FailuresEscapingHandlersReachTheErrorBox) {
    const auto boxes = testing::AcceptBoxes();
    RunGuarded([] { throw EAbort(u"dropped"); });
    EXPECT_TRUE(boxes->Texts().empty());
    RunGuarded([] { throw EConvertError(u"''x'' is not a valid integer value"); });
    RunGuarded([] { throw std::runtime_error("not one of ours"); });
    EXPECT_EQ(boxes->Texts(),
              (std::vector<std::u16string>{u"''x'' is not a valid integer value.", u""}));
}

TEST_F(ShellTest, ActivationRunsOnlyWhenComingFromAnotherFormOrNone) {
    Activate(main_);
    EXPECT_EQ(main_->activations, 1);

    {  // A box over the window, closed again: no new activation.
        const auto boxes = testing::AcceptBoxes();
        application_->ShowNotice(u"notice");
        ASSERT_EQ(boxes->Texts().size(), 1u);
    }
    testing::Drain();
    EXPECT_EQ(main_->activations, 1);

    Activate(second_);
    EXPECT_EQ(second_->activations, 1);
    Activate(main_);
    EXPECT_EQ(main_->activations, 2);
    Activate(second_);
    second_->Hide();  // the window left is active, coming from none
    Activate(main_);
    EXPECT_EQ(main_->activations, 3);
}

TEST_F(ShellTest, FailureInActivationIsShownOnceAndTheProgramGoesOn) {
    main_->failure = true;
    const auto boxes = testing::AcceptBoxes();
    Activate(main_);
    EXPECT_TRUE(testing::WaitFor([&] { return !boxes->Texts().empty(); }));
    testing::Drain();
    EXPECT_EQ(boxes->Texts(), std::vector<std::u16string>{u"activation failed."});
    EXPECT_EQ(main_->activations, 1);
    EXPECT_TRUE(main_->Visible());
}

TEST_F(ShellTest, ClosingTheSecondWindowHidesItClosingTheMainOneEndsTheProgram) {
    EXPECT_EQ(application_->MainForm, main_);
    Activate(main_);
    Activate(second_);
    second_->Close();
    EXPECT_FALSE(second_->Visible());
    Activate(second_);
    testing::CloseFromWindowSystem(*second_);
    EXPECT_FALSE(second_->Visible());
    EXPECT_FALSE(application_->Terminated);

    Activate(second_);
    main_->Close();
    EXPECT_TRUE(application_->Terminated);
    EXPECT_TRUE(main_->Visible());  // until the program ends

    application_.reset();
    EXPECT_EQ(destroyed, (std::vector<std::string>{"second", "main"}));
}

// The operator can't close a window while the script pauses; the script's
// own Close goes through.
TEST_F(ShellTest, APauseRefusesTheWindowSystemsCloseRequestsButNotClose) {
    Activate(main_);
    Activate(second_);
    {
        const Toolkit::PauseScope pausing(*toolkit_);
        testing::CloseFromWindowSystem(*second_);
        testing::CloseFromWindowSystem(*main_);
        EXPECT_TRUE(second_->Visible());
        EXPECT_FALSE(application_->Terminated);

        second_->Close();
        EXPECT_FALSE(second_->Visible());
        main_->Close();
        EXPECT_TRUE(application_->Terminated);
    }
}

// What the switch sends waits while the script pauses, and is handled at the
// next message loop once the pause is over.
TEST_F(ShellTest, APauseHoldsTheWakeUpUntilItEnds) {
    int wakeUps = 0;
    toolkit_->SetWakeUpHandler([&] { ++wakeUps; });
    toolkit_->WakeUp();
    toolkit_->Pause(30ms);
    EXPECT_EQ(wakeUps, 0);
    EXPECT_TRUE(testing::WaitFor([&] { return wakeUps == 1; }));

    {
        const Toolkit::PauseScope pausing(*toolkit_);
        toolkit_->WakeUp();
        toolkit_->Repaint();
        testing::Drain();  // even a message loop within the pause runs none
        EXPECT_EQ(wakeUps, 1);
    }
    EXPECT_TRUE(testing::WaitFor([&] { return wakeUps == 2; }));
    testing::Drain();
    EXPECT_EQ(wakeUps, 2);
}

}  // namespace
}  // namespace vindel
