// SPDX-License-Identifier: MIT
#include "ui/win32/Win32Toolkit.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "BoxAnswerer.h"
#include "ToolkitDriving.h"
#include "ToolkitTest.h"
#include "common/MainThreadQueue.h"
#include "ui/win32/EditBox.h"
#include "ui/win32/Form.h"
#include "ui/win32/NoticeBox.h"

namespace vindel::testing {
namespace {

using win32::EditBox;
using win32::Form;
using win32::NoticeStyle;
using win32::Win32Toolkit;

// A window of another program: a thread of its own, with its own messages.
class OtherProgram final {
  public:
    OtherProgram() {
        thread_ = std::thread([this] {
            const HWND window =
                ::CreateWindowExW(0, L"Static", L"Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 800,
                                  600, 200, 100, nullptr, nullptr, nullptr, nullptr);
            thread_id_ = ::GetCurrentThreadId();
            window_.store(window);
            MSG message;
            while (::GetMessageW(&message, nullptr, 0, 0) > 0)
                ::DispatchMessageW(&message);
            ::DestroyWindow(window);
        });
        while (window_.load() == nullptr)
            std::this_thread::yield();
    }
    ~OtherProgram() { Quit(); }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

    HWND Window() const { return window_.load(); }
    // The program ends; its window goes.
    void Quit() {
        if (!thread_.joinable())
            return;
        ::PostThreadMessageW(thread_id_, WM_QUIT, 0, 0);
        thread_.join();
    }

  private:
    std::thread thread_;
    std::atomic<HWND> window_{nullptr};
    DWORD thread_id_ = 0;
};

// The process's queue towards the user-interface thread wakes it through
// the toolkit, as the program sets it up, for as long as this lives.
class HandOversThrough final {
  public:
    explicit HandOversThrough(Win32Toolkit& toolkit) {
        toolkit.SetWakeUpHandler([] { MainThread().CheckSynchronize(); });
        MainThread().SetWakeUp([&toolkit] { toolkit.WakeUp(); });
    }
    ~HandOversThrough() { MainThread().SetWakeUp(nullptr); }
    HandOversThrough(const HandOversThrough&) = delete;
    HandOversThrough& operator=(const HandOversThrough&) = delete;
};

class Win32ToolkitTest : public ToolkitTest {
  protected:
    Win32ToolkitTest() {
        main_.SetOnActivate([this] { ++main_activations_; });
        diagram_.SetOnActivate([this] { ++diagram_activations_; });
    }

    bool Active(const Form& form) {
        return WaitUntil(toolkit_, [&] { return ::GetActiveWindow() == form.Handle(); });
    }

    Form main_{toolkit_, kMainForm};
    Form diagram_{toolkit_, kDiagramForm, &main_};
    EditBox edit_{main_, InputAt(ControlKind::EditBox, {167, 493, 122, 26})};
    EditBox other_{main_, InputAt(ControlKind::EditBox, {167, 557, 122, 26})};
    int main_activations_ = 0;
    int diagram_activations_ = 0;
};

TEST_F(Win32ToolkitTest, AFormActivatedFromAnotherOfTheProgramsWindowsOrFromNoneRunsItsHandler) {
    main_.Show();
    ASSERT_TRUE(Active(main_));
    EXPECT_EQ(main_activations_, 1);

    diagram_.Show();
    ASSERT_TRUE(Active(diagram_));
    EXPECT_EQ(diagram_activations_, 1);
    ASSERT_TRUE(BringToFront(toolkit_, main_.Handle()));
    EXPECT_EQ(main_activations_, 2);
    ASSERT_TRUE(BringToFront(toolkit_, diagram_.Handle()));
    EXPECT_EQ(diagram_activations_, 2);
    // Hidden: the main form becomes active coming from none.
    diagram_.Close();
    ASSERT_TRUE(Active(main_));
    EXPECT_EQ(main_activations_, 3);
    EXPECT_EQ(diagram_activations_, 2);
}

TEST_F(Win32ToolkitTest, ComingBackFromAnotherProgramRunsNoHandler) {
    main_.Show();
    ASSERT_TRUE(Active(main_));
    OtherProgram other;
    ASSERT_TRUE(BringToFront(toolkit_, other.Window()));
    EXPECT_EQ(::GetActiveWindow(), nullptr);
    // The operator closes it and is back in the program.
    other.Quit();
    ASSERT_TRUE(WaitUntil(toolkit_, [&] { return ::GetForegroundWindow() == main_.Handle(); }));
    EXPECT_TRUE(Active(main_));
    EXPECT_EQ(main_activations_, 1);
}

TEST_F(Win32ToolkitTest, TheErrorBoxBelongsToTheActiveFormAndGivesActivationAndFocusBack) {
    main_.Show();
    ASSERT_TRUE(Active(main_));
    ::SetFocus(other_.Handle());
    const BoxAnswerer answerer;
    toolkit_.ShowError(u"Vindel", u"Cannot open file \"Vindel.ini\". Access is denied.");

    ASSERT_EQ(answerer.Boxes().size(), 1u);
    const ShownBox& box = answerer.Boxes().front();
    EXPECT_EQ(box.caption, u"Vindel");
    EXPECT_EQ(box.texts,
              std::vector<std::u16string>{u"Cannot open file \"Vindel.ini\". Access is denied."});
    EXPECT_EQ(box.icon, ::LoadIconW(nullptr, IDI_ERROR));
    EXPECT_EQ(box.buttons, std::vector<std::u16string>{u"OK"});
    EXPECT_EQ(box.owner, main_.Handle());

    EXPECT_TRUE(Active(main_));
    EXPECT_EQ(::GetFocus(), other_.Handle());
    EXPECT_EQ(main_activations_, 1);
}

TEST_F(Win32ToolkitTest, WithNoActiveFormTheHiddenWindowOwnsTheBox) {
    const BoxAnswerer answerer;
    toolkit_.ShowError(u"Vindel", u"");
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes().front().owner, toolkit_.Window());
    EXPECT_TRUE(answerer.Boxes().front().texts.empty());
}

TEST_F(Win32ToolkitTest, TheNoticeBoxIsATaskDialogCentredInTheWorkArea) {
    main_.Show();
    ASSERT_TRUE(Active(main_));
    ::SetFocus(other_.Handle());
    ASSERT_TRUE(win32::TaskDialogAvailable());  // common controls 6, from the manifest
    const BoxAnswerer answerer;
    toolkit_.ShowNotice(u"Vindel", u"Setup Complete!");

    ASSERT_EQ(answerer.Boxes().size(), 1u);
    const ShownBox& box = answerer.Boxes().front();
    EXPECT_EQ(box.caption, u"Vindel");
    EXPECT_EQ(box.texts, std::vector<std::u16string>{u"Setup Complete!"});
    EXPECT_EQ(box.icon, nullptr);
    EXPECT_EQ(box.buttons, std::vector<std::u16string>{u"OK"});
    EXPECT_EQ(box.defaultButton, u"OK");
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(main_.Handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    EXPECT_NEAR(box.bounds.left + box.bounds.right, monitor.rcWork.left + monitor.rcWork.right, 1);
    EXPECT_NEAR(box.bounds.top + box.bounds.bottom, monitor.rcWork.top + monitor.rcWork.bottom, 1);

    EXPECT_TRUE(Active(main_));
    EXPECT_EQ(::GetFocus(), other_.Handle());
    EXPECT_EQ(main_activations_, 1);
}

TEST_F(Win32ToolkitTest, WithoutTaskDialogsTheNoticeIsASmallDialogCentredOnTheScreen) {
    main_.Show();
    ASSERT_TRUE(Active(main_));
    const BoxAnswerer answerer;
    toolkit_.ShowNotice(u"Vindel", u"Please watting few minute!", NoticeStyle::SmallDialog);

    ASSERT_EQ(answerer.Boxes().size(), 1u);
    const ShownBox& box = answerer.Boxes().front();
    EXPECT_EQ(box.caption, u"Vindel");
    EXPECT_EQ(box.texts, std::vector<std::u16string>{u"Please watting few minute!"});
    EXPECT_EQ(box.icon, nullptr);
    EXPECT_EQ(box.buttons, std::vector<std::u16string>{u"OK"});
    EXPECT_EQ(box.defaultButton, u"OK");
    EXPECT_NEAR(box.bounds.left + box.bounds.right, ::GetSystemMetrics(SM_CXSCREEN), 1);
    EXPECT_NEAR(box.bounds.top + box.bounds.bottom, ::GetSystemMetrics(SM_CYSCREEN), 1);
    EXPECT_TRUE(Active(main_));
    EXPECT_EQ(main_activations_, 1);
}

// The Telnet client's receiving thread hands its deliveries over this way
// and waits for them; the provisioning script's boxes must not block them.
TEST_F(Win32ToolkitTest, TheWakeUpRunsInsideTheModalLoopOfABox) {
    const HandOversThrough handOvers(toolkit_);
    std::thread worker;
    std::atomic<bool> ran{false};
    bool ranInBox = false;
    {
        const BoxAnswerer answerer([&](const ShownBox&) {
            if (!worker.joinable()) {
                worker = std::thread([&] {
                    MainThread().Synchronize([&] {
                        ranInBox = FindOpenBox() != nullptr;
                        ran = true;
                    });
                });
            }
            return ran.load();
        });
        toolkit_.ShowNotice(u"Vindel", u"Setup Complete!");
        EXPECT_FALSE(answerer.TimedOut());
    }
    // Had it not run in the box, the worker would still be waiting for it.
    EXPECT_TRUE(WaitUntil(toolkit_, [&] { return ran.load(); }));
    if (worker.joinable())
        worker.join();
    EXPECT_TRUE(ranInBox);
}

TEST_F(Win32ToolkitTest, TheLoopRunsWakeUpsUntilTheMainFormIsClosed) {
    const HandOversThrough handOvers(toolkit_);
    // As the application object has the main window end the program.
    main_.SetOnClose([this] {
        toolkit_.Terminate();
        return false;
    });
    main_.Show();
    diagram_.Show();
    bool diagramHidden = false;
    std::thread worker([&] {
        MainThread().Synchronize([&] {
            diagram_.Close();
            diagramHidden = !diagram_.Visible();
        });
        MainThread().Synchronize([&] { main_.Close(); });
    });
    toolkit_.RunLoop();
    worker.join();
    EXPECT_TRUE(diagramHidden);
    EXPECT_TRUE(toolkit_.Terminated());
}

}  // namespace
}  // namespace vindel::testing
