// SPDX-License-Identifier: MIT
#include "ui/win32/Form.h"

#include <gtest/gtest.h>

#include "ClientPixels.h"
#include "ToolkitDriving.h"
#include "ToolkitTest.h"
#include "ui/win32/Button.h"
#include "ui/win32/ComboBox.h"
#include "ui/win32/EditBox.h"
#include "ui/win32/Label.h"
#include "ui/win32/Picture.h"
#include "ui/win32/WindowText.h"

namespace vindel::win32::testing {
namespace {

using FormTest = ToolkitTest;

// Whether `upper` lies above `lower` among the top-level windows.
bool Above(HWND upper, HWND lower) {
    for (HWND window = ::GetWindow(upper, GW_HWNDNEXT); window != nullptr;
         window = ::GetWindow(window, GW_HWNDNEXT)) {
        if (window == lower)
            return true;
    }
    return false;
}

TEST_F(FormTest, ClientAreaCaptionAndFrameAsDesigned) {
    Form main(shell_, kMainDesign);
    Form diagram(shell_, kDiagramDesign, &main);
    EXPECT_FALSE(main.Visible());
    main.Show();
    diagram.Show();
    for (const auto& [form, design] : {std::pair{&main, kMainDesign}, {&diagram, kDiagramDesign}}) {
        RECT client{};
        ::GetClientRect(form->Handle(), &client);
        EXPECT_EQ(client.right, design.clientWidth);
        EXPECT_EQ(client.bottom, design.clientHeight);
        RECT frame{};
        ::GetWindowRect(form->Handle(), &frame);
        EXPECT_EQ(frame.left, design.left);
        EXPECT_EQ(frame.top, design.top);
        EXPECT_EQ(WindowText(form->Handle()), u"Vindel");
        const auto style = ::GetWindowLongPtrW(form->Handle(), GWL_STYLE);
        for (const LONG_PTR part :
             {WS_CAPTION, WS_SYSMENU, WS_THICKFRAME, WS_MINIMIZEBOX, WS_MAXIMIZEBOX})
            EXPECT_EQ(style & part, part);
    }
    // The owner window of Win32: no task-bar button of its own.
    EXPECT_EQ(::GetWindow(diagram.Handle(), GW_OWNER), main.Handle());
    EXPECT_EQ(::GetWindow(main.Handle(), GW_OWNER), nullptr);
    EXPECT_EQ(::GetWindowLongPtrW(diagram.Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
}

TEST_F(FormTest, TheWindowsOwnFontIsTheDesignedOne) {
    FormDesign design = kMainDesign;
    design.typeface = kCalibri15;
    const Form form(shell_, design);
    LOGFONTW font{};
    ASSERT_NE(::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(form.Handle(), WM_GETFONT, 0, 0)),
                           sizeof font, &font),
              0);
    EXPECT_EQ(std::wstring(font.lfFaceName), L"Calibri");
    EXPECT_EQ(font.lfHeight, -15);
}

TEST_F(FormTest, TheOwnedFormIsInFrontOfItsOwnerAndIsMinimisedWithIt) {
    Form main(shell_, kMainDesign);
    Form diagram(shell_, kDiagramDesign, &main);
    main.Show();
    diagram.Show();
    EXPECT_TRUE(Above(diagram.Handle(), main.Handle()));

    // The minimise button, then the restore.
    const auto shown = [&] {
        return ::IsWindowVisible(diagram.Handle()) && !::IsIconic(diagram.Handle());
    };
    ASSERT_TRUE(BringToFront(shell_, main.Handle()));
    ::SendMessageW(main.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitUntil(shell_, [&] { return !shown(); }));
    ::SendMessageW(main.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(WaitUntil(shell_, shown));
}

TEST_F(FormTest, ClosingTheMainFormEndsTheLoopClosingAnotherHidesIt) {
    Form main(shell_, kMainDesign);
    Form diagram(shell_, kDiagramDesign, &main);
    main.Show();
    diagram.Show();
    diagram.Close();
    EXPECT_FALSE(diagram.Visible());
    EXPECT_TRUE(shell_.ProcessMessages());
    main.Close();
    EXPECT_TRUE(main.Visible());  // until the program ends
    EXPECT_FALSE(shell_.ProcessMessages());
    EXPECT_TRUE(shell_.Terminated());
}

TEST_F(FormTest, TheLayoutIsScaledByTheScreensDensity) {
    shell_.SetScreenDpi(Dpi(144));
    Form form(shell_, {u"Vindel", 100, 20, 600, 400});
    const Label label(form, {45, 174, u"Input Ports", kCalibri19});
    const Picture picture(form, {u"FRONT", 46, 282});
    const ComboBox box(form, {{152, 176, 89, 26}, kCalibri15});
    form.Show();

    RECT client{};
    ::GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, 900);
    EXPECT_EQ(client.bottom, 600);
    EXPECT_EQ(label.PixelBounds().left, 68);
    EXPECT_EQ(label.PixelBounds().top, 261);
    // The picture keeps its proportions; reported in designed pixels.
    EXPECT_EQ(picture.PixelBounds().right - picture.PixelBounds().left, 752);
    EXPECT_EQ(picture.PixelBounds().bottom - picture.PixelBounds().top, 128);
    EXPECT_EQ(picture.Width(), 501);
    EXPECT_EQ(picture.Height(), 85);
    // Drawn at that size: its dark top left corner where the control starts,
    // the control port's yellow frame (385 to 431 across, 26 to 76 down, at
    // 96 dots per inch) half as far again from it.
    const ClientPixels pixels(form.Handle());
    const RECT drawn = picture.PixelBounds();
    EXPECT_EQ(pixels.At(drawn.left, drawn.top), RGB(26, 27, 30));
    const RECT frame{drawn.left + 578, drawn.top + 39, drawn.left + 647, drawn.top + 115};
    EXPECT_GT(pixels.Count(frame, RGB(255, 255, 0)), 4 * 69);
    RECT closed{};
    ::GetWindowRect(box.Handle(), &closed);
    EXPECT_EQ(closed.bottom - closed.top, 39);
}

TEST_F(FormTest, TabMovesTheFocusThroughTheVisibleControlsInTheOrderTheyWereMade) {
    Form form(shell_, kMainDesign);
    const Label label(form, {45, 174, u"Input Ports", kCalibri19});
    const ComboBox first(form, {{152, 176, 89, 26}, kCalibri15});
    const Button second(form, {{398, 622, 97, 39}, u"Connect", kCalibri15});
    const EditBox third(form, {{167, 493, 122, 26}, u"", kCalibri15});
    EditBox hidden(form, {{167, 557, 122, 26}, u"", kCalibri15});
    const ComboBox last(form, {{230, 92, 145, 26}, kCalibri15});
    hidden.SetVisible(false);
    form.Show();
    // The first activation puts the focus on the first of them.
    ASSERT_TRUE(WaitUntil(shell_, [&] { return ::GetFocus() == first.EditHandle(); }));

    for (const HWND next :
         {second.Handle(), third.Handle(), last.EditHandle(), first.EditHandle()}) {
        PressKey(shell_, VK_TAB);
        EXPECT_EQ(::GetFocus(), next);
    }
}

}  // namespace
}  // namespace vindel::win32::testing
