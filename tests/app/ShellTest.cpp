// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QThread>
#include <atomic>
#include <stdexcept>
#include <thread>

#include "Driving.h"
#include "ProgramWindows.h"
#include "common/Exception.h"
#include "common/MainThreadQueue.h"
#include "qt/ModalBoxes.h"
#include "ui/Application.h"
#include "ui/HandlerGuard.h"
#include "ui/TForm.h"
#include "ui/WindowDescription.h"
#include "ui/qt/Widgets.h"

namespace vindel {
namespace {

using qt::WidgetOf;
using testing::ModalBoxAcceptor;

constexpr FormDescription kCountingForm{"CountingForm", u"", {0, 0, 200, 100}, {}, {}};

// A window that counts its activations and can be told to fail in them.
class CountingForm final : public TForm {
  public:
    CountingForm(Toolkit& toolkit, TForm* owner) : TForm(toolkit, kCountingForm, owner) {}
    void FormActivate() override {
        ++activations;
        if (failure)
            throw Exception(u"activation failed");
    }
    int activations = 0;
    bool failure = false;
};

class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
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

TEST_F(ShellTest, BoxesAreModalWithTheTitleAndOneOk) {
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

TEST_F(ShellTest, BoxesShowTheirTextsAsTheyAreNotAsMarkup) {
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

TEST_F(ShellTest, FailuresEscapingHandlersReachTheErrorBox) {
    ModalBoxAcceptor acceptor;
    RunGuarded([] { throw EAbort(u"dropped"); });
    EXPECT_TRUE(acceptor.boxes().empty());
    RunGuarded([] { throw EConvertError(u"''x'' is not a valid integer value"); });
    RunGuarded([] { throw std::runtime_error("not one of ours"); });
    ASSERT_EQ(acceptor.boxes().size(), 2u);
    EXPECT_EQ(acceptor.boxes()[0].text, "''x'' is not a valid integer value.");
    EXPECT_EQ(acceptor.boxes()[1].text, "");
}

TEST_F(ShellTest, ActivationRunsOnlyWhenComingFromAnotherFormOrNone) {
    Activate(main_);
    EXPECT_EQ(main_->activations, 1);

    {  // A box over the window, closed again: no new activation.
        ModalBoxAcceptor acceptor;
        application_->ShowNotice(u"notice");
        ASSERT_EQ(acceptor.boxes().size(), 1u);
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

    // The operator goes to another program and comes back.
    QEvent deactivate(QEvent::WindowDeactivate);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&WidgetOf(*main_), &deactivate);
    QApplication::sendEvent(&WidgetOf(*main_), &activate);
    EXPECT_EQ(main_->activations, 3);
}

TEST_F(ShellTest, FailureInActivationIsShownOnceAndTheProgramGoesOn) {
    main_->failure = true;
    ModalBoxAcceptor acceptor;
    Activate(main_);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !acceptor.boxes().empty(); }, 2000));
    testing::Drain();
    ASSERT_EQ(acceptor.boxes().size(), 1u);
    EXPECT_EQ(acceptor.boxes()[0].text, "activation failed.");
    EXPECT_EQ(main_->activations, 1);
    EXPECT_TRUE(main_->Visible());
}

TEST_F(ShellTest, ClosingTheSecondWindowHidesItClosingTheMainOneEndsTheProgram) {
    EXPECT_EQ(application_->MainForm, main_);
    EXPECT_EQ(WidgetOf(*second_).parentWidget(), &WidgetOf(*main_));
    EXPECT_TRUE(WidgetOf(*second_).isWindow());
    Activate(main_);
    Activate(second_);
    second_->Close();
    EXPECT_FALSE(second_->Visible());
    EXPECT_FALSE(application_->Terminated);

    Activate(second_);
    main_->Close();
    EXPECT_TRUE(application_->Terminated);
    EXPECT_TRUE(main_->Visible());  // until the program ends

    std::vector<QString> destroyed;
    WidgetOf(*main_).setObjectName("main");
    WidgetOf(*second_).setObjectName("second");
    for (QObject* form :
         {static_cast<QObject*>(&WidgetOf(*main_)), static_cast<QObject*>(&WidgetOf(*second_))}) {
        QObject::connect(form, &QObject::destroyed,
                         [&destroyed](QObject* gone) { destroyed.push_back(gone->objectName()); });
    }
    application_.reset();
    EXPECT_EQ(destroyed, (std::vector<QString>{"second", "main"}));
}

TEST_F(ShellTest, DeliveriesRunInsideTheBoxLoopNotInTheHandler) {
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
