// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QThread>
#include <atomic>
#include <thread>

#include "Driving.h"
#include "ProgramWindows.h"
#include "common/Exception.h"
#include "common/MainThreadQueue.h"
#include "qt/ModalBoxes.h"
#include "ui/Application.h"
#include "ui/TForm.h"
#include "ui/WindowDescription.h"
#include "ui/qt/Widgets.h"

namespace vindel {
namespace {

using qt::WidgetOf;
using testing::ModalBoxAcceptor;

constexpr FormDescription kCountingForm{"CountingForm", u"", {0, 0, 200, 100}, {}, {}};

// The shell's rules are tested for every toolkit in tests/ui/ShellTest.cpp;
// here what only Qt shows: its message boxes, and its events.

// A window that counts its activations.
class CountingForm final : public TForm {
  public:
    CountingForm(Toolkit& toolkit, TForm* owner) : TForm(toolkit, kCountingForm, owner) {}
    void FormActivate() override { ++activations; }
    int activations = 0;
};

class QtShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        application_ = std::make_unique<TApplication>(*toolkit_);
        application_->CreateForm(main_);
        application_->CreateForm(second_);
    }
    void TearDown() override { application_.reset(); }

    const std::unique_ptr<Toolkit> toolkit_ = testing::MakeToolkit();
    std::unique_ptr<TApplication> application_;
    CountingForm* main_ = nullptr;
    CountingForm* second_ = nullptr;
};

TEST_F(QtShellTest, BoxesAreModalWithTheTitleAndOneOk) {
    ModalBoxAcceptor acceptor;
    application_->Title = u"Vindel";
    application_->ShowException(EStringListError(u"List index out of bounds (4)"));
    application_->ShowNotice(u"Please watting few minute!");
    ASSERT_EQ(acceptor.boxes().size(), 2u);
    const auto& error = acceptor.boxes()[0];
    EXPECT_EQ(error.caption, "Vindel");
    EXPECT_EQ(error.text, "List index out of bounds (4)");
    EXPECT_EQ(error.icon, QMessageBox::Critical);
    EXPECT_EQ(error.buttons, QStringList{"OK"});
    const auto& notice = acceptor.boxes()[1];
    EXPECT_EQ(notice.text, "Please watting few minute!");
    EXPECT_EQ(notice.icon, QMessageBox::NoIcon);
    EXPECT_EQ(notice.buttons, QStringList{"OK"});
    EXPECT_EQ(notice.defaultButton, "OK");
}

TEST_F(QtShellTest, BoxesShowTheirTextsAsTheyAreNotAsMarkup) {
    ModalBoxAcceptor acceptor;
    application_->ShowException(
        EFCreateError(u"Cannot create file \"/home/op/<u>w/Vindel.ini\". Permission denied"));
    application_->ShowException(EConvertError(u"''<b>7</b>'' is not a valid integer value"));
    application_->ShowNotice(u"<i>Setup</i> Complete!");
    const QStringList shown = {
        "Cannot create file \"/home/op/<u>w/Vindel.ini\". Permission denied.",
        "''<b>7</b>'' is not a valid integer value.", "<i>Setup</i> Complete!"};
    ASSERT_EQ(acceptor.boxes().size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(acceptor.boxes()[i].text, shown[qsizetype(i)]);
        EXPECT_EQ(acceptor.boxes()[i].textFormat, Qt::PlainText)
            << shown[qsizetype(i)].toStdString();
    }
}

// The operator goes to another program and comes back: no new activation.
TEST_F(QtShellTest, ComingBackFromAnotherProgramRunsNoHandler) {
    ASSERT_TRUE(testing::Activate(*main_));
    EXPECT_EQ(main_->activations, 1);
    QEvent deactivate(QEvent::WindowDeactivate);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&WidgetOf(*main_), &deactivate);
    QApplication::sendEvent(&WidgetOf(*main_), &activate);
    EXPECT_EQ(main_->activations, 1);
}

TEST_F(QtShellTest, TheSecondWindowIsAWindowOfItsOwnOwnedByTheMainOne) {
    EXPECT_EQ(WidgetOf(*second_).parentWidget(), &WidgetOf(*main_));
    EXPECT_TRUE(WidgetOf(*second_).isWindow());
}

TEST_F(QtShellTest, DeliveriesRunInsideTheBoxLoopNotInTheHandler) {
    std::atomic<bool> delivered = false;
    std::thread worker([&] { MainThread().Synchronize([&] { delivered = true; }); });
    QThread::msleep(50);  // a busy handler: nothing runs behind its back
    EXPECT_FALSE(delivered);
    bool delivered_while_box_open = false;
    ModalBoxAcceptor acceptor([&](const testing::ShownBox&) {
        delivered_while_box_open = QTest::qWaitFor([&] { return delivered.load(); }, 2000);
    });
    application_->ShowNotice(u"Setup Complete!");
    worker.join();
    EXPECT_TRUE(delivered_while_box_open);
}

}  // namespace
}  // namespace vindel
