// SPDX-License-Identifier: MIT
#include "ui/win32/Form.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "ClientPixels.h"
#include "LabelInk.h"
#include "ToolkitDriving.h"
#include "ToolkitTest.h"
#include "ui/win32/ComboBox.h"
#include "ui/win32/Label.h"
#include "ui/win32/Picture.h"
#include "ui/win32/WindowText.h"

namespace vindel::testing {
namespace {

using win32::ComboBox;
using win32::Dpi;
using win32::Form;
using win32::Label;
using win32::Picture;

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
    Form main(toolkit_, kMainForm);
    Form diagram(toolkit_, kDiagramForm, &main);
    EXPECT_FALSE(main.Visible());
    main.Show();
    diagram.Show();
    for (const auto& [form, design] : {std::pair{&main, kMainForm}, {&diagram, kDiagramForm}}) {
        RECT client{};
        ::GetClientRect(form->Handle(), &client);
        EXPECT_EQ(client.right, design.bounds.width);
        EXPECT_EQ(client.bottom, design.bounds.height);
        RECT frame{};
        ::GetWindowRect(form->Handle(), &frame);
        EXPECT_EQ(frame.left, design.bounds.left);
        EXPECT_EQ(frame.top, design.bounds.top);
        EXPECT_EQ(win32::WindowText(form->Handle()), u"Vindel");
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

// Every family a description names is asked for as it is named, for the
// window and its controls alike.
TEST_F(FormTest, FontsAreTheDescribedOnes) {
    for (const std::u16string_view family : {u"Calibri", u"Tahoma", u"Courier New"}) {
        SCOPED_TRACE(std::string(family.begin(), family.end()));
        FormDescription design = kMainForm;
        design.font = {family, 15};
        Form form(toolkit_, design);
        const Label label(form, LabelAt({45, 174, 0, 0}, u"Input Ports", {family, 19}));
        for (const auto& [font, pixels] :
             {std::pair{reinterpret_cast<HFONT>(::SendMessageW(form.Handle(), WM_GETFONT, 0, 0)),
                        15},
              {label.Font(), 19}}) {
            LOGFONTW asked{};
            ASSERT_NE(::GetObjectW(font, sizeof asked, &asked), 0);
            EXPECT_EQ(std::u16string_view(reinterpret_cast<const char16_t*>(asked.lfFaceName)),
                      family);
            EXPECT_EQ(asked.lfHeight, -pixels);
        }
    }
}

TEST_F(FormTest, TheOwnedFormIsInFrontOfItsOwnerAndIsMinimisedWithIt) {
    Form main(toolkit_, kMainForm);
    Form diagram(toolkit_, kDiagramForm, &main);
    main.Show();
    diagram.Show();
    EXPECT_TRUE(Above(diagram.Handle(), main.Handle()));

    // The minimise button, then the restore.
    const auto shown = [&] {
        return ::IsWindowVisible(diagram.Handle()) && !::IsIconic(diagram.Handle());
    };
    ASSERT_TRUE(BringToFront(toolkit_, main.Handle()));
    ::SendMessageW(main.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitUntil(toolkit_, [&] { return !shown(); }));
    ::SendMessageW(main.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(WaitUntil(toolkit_, shown));
}

TEST_F(FormTest, ClosingHidesAFormUnlessItsCloseHandlerKeepsIt) {
    Form main(toolkit_, kMainForm);
    Form diagram(toolkit_, kDiagramForm, &main);
    main.Show();
    diagram.Show();
    diagram.Close();
    EXPECT_FALSE(diagram.Visible());
    int asked = 0;
    main.SetOnClose([&] {
        ++asked;
        return false;
    });
    main.Close();
    // The close box, as the window system sends it.
    ::SendMessageW(main.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(main.Visible());
    main.SetOnClose(nullptr);
    main.Close();
    EXPECT_FALSE(main.Visible());
    EXPECT_TRUE(toolkit_.ProcessMessages());
}

TEST_F(FormTest, TheLayoutIsScaledByTheScreensDensity) {
    toolkit_.SetScreenDpi(Dpi(144));
    Form form(toolkit_, {"Form", u"Vindel", {100, 20, 600, 400}, {u"Tahoma", 11}, {}});
    const Label label(form, LabelAt({45, 174, 0, 0}, u"Input Ports"));
    const Picture picture(form, PictureAt({46, 282, 0, 0}, u"SG300-10.png"));
    const ComboBox box(form, InputAt(ControlKind::ComboBox, {152, 176, 89, 26}));
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
    EXPECT_EQ(picture.Geometry(), (Bounds{46, 282, 501, 85}));
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

// The first sentence of the main window with its value labels over its
// gaps, and the button at the bottom, as designed.
constexpr FontDescription kCalibri19Bold{u"Calibri", 19, FontStyle::Bold};
constexpr ControlDescription kSentence[] = {
    LabelControl("Label13", {280, 393, 0, 0}, u"Port G10", kCalibri19Bold, TextColour::Black),
    LabelControl("Label6", {35, 393, 0, 0},
                 u"1. Connect computer directly to                    of the                   "
                 u"     Ethernet Switch.",
                 kCalibri19),
    LabelControl("Label8", {408, 393, 0, 0}, u"SG300-10", kCalibri19Bold, TextColour::Black),
    InputControl(ControlKind::Button, "Button1", {398, 622, 97, 39}, u"Connect", kCalibri15,
                 TextColour::Black, 0, u""),
};

TEST_F(FormTest, At150PercentOnA1000PixelScreenTheWindowFitsAndTheSentenceKeepsItsGaps) {
    // The test display is 1600 x 1000: at 144 dots per inch the main
    // window, 1454 x 1004 with its caption, has no room.
    toolkit_.SetScreenDpi(Dpi(144));
    FormDescription description = kMainForm;
    description.controls = kSentence;
    Form form(toolkit_, description);
    form.Show();

    RECT frame{};
    ::GetWindowRect(form.Handle(), &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ASSERT_TRUE(
        ::GetMonitorInfoW(::MonitorFromWindow(form.Handle(), MONITOR_DEFAULTTONEAREST), &monitor));
    RECT inside{};
    ::IntersectRect(&inside, &frame, &monitor.rcWork);
    EXPECT_TRUE(::EqualRect(&inside, &frame))
        << frame.top << " to " << frame.bottom << ", work area to " << monitor.rcWork.bottom;
    RECT button{};
    ::GetWindowRect(dynamic_cast<const win32::Control&>(*form.Find("Button1")).Handle(), &button);
    EXPECT_LE(button.bottom, monitor.rcWork.bottom);
    // Smaller than 150 %, larger than 100 %, in proportion.
    RECT client{};
    ::GetClientRect(form.Handle(), &client);
    EXPECT_LT(client.bottom, 1004);
    EXPECT_GT(client.bottom, 669);
    EXPECT_NEAR(client.right * 669.0 / client.bottom, 969, 2);

    // No letter of a value label lies on a column where the sentence has one.
    const auto ink = [&](std::string_view name) {
        return LabelInk(dynamic_cast<const Label&>(*form.Find(name)));
    };
    const LabelInk sentence = ink("Label6");
    for (const std::string_view value : {"Label13", "Label8"}) {
        EXPECT_GE(ink(value).columns.size(), 5U) << value;
        EXPECT_FALSE(ink(value).Overlaps(sentence)) << value;
    }
}

// The form built from a description with its controls, as the program's
// windows are: Tab goes through the visible inputs in their tab order.
constexpr ControlDescription kTabbed[] = {
    LabelControl("Label", {45, 174, 0, 0}, u"Input Ports", kCalibri19),
    InputControl(ControlKind::ComboBox, "Last", {230, 92, 145, 26}, u"", kCalibri15,
                 TextColour::Black, 4, u""),
    InputControl(ControlKind::Button, "Second", {398, 622, 97, 39}, u"Connect", kCalibri15,
                 TextColour::Black, 1, u""),
    InputControl(ControlKind::EditBox, "Third", {167, 493, 122, 26}, u"", kCalibri15,
                 TextColour::Black, 2, u""),
    InputControl(ControlKind::EditBox, "Hidden", {167, 557, 122, 26}, u"", kCalibri15,
                 TextColour::Black, 3, u""),
    InputControl(ControlKind::ComboBox, "First", {152, 176, 89, 26}, u"", kCalibri15,
                 TextColour::Black, 0, u""),
};

TEST_F(FormTest, TabMovesTheFocusThroughTheVisibleControlsInTheirTabOrder) {
    FormDescription description = kMainForm;
    description.controls = kTabbed;
    Form form(toolkit_, description);
    // The window that takes the keys: a combo box's edit box.
    const auto input = [&](std::string_view name) {
        vindel::Control* control = form.Find(name);
        if (const auto* box = dynamic_cast<const ComboBox*>(control))
            return box->EditHandle();
        return dynamic_cast<const win32::Control&>(*control).Handle();
    };
    form.Find("Hidden")->SetVisible(false);
    form.Show();
    // The first activation puts the focus on the first of them.
    ASSERT_TRUE(WaitUntil(toolkit_, [&] { return ::GetFocus() == input("First"); }));

    for (const std::string_view next : {"Second", "Third", "Last", "First"}) {
        PressKey(toolkit_, VK_TAB);
        EXPECT_EQ(::GetFocus(), input(next));
    }
}

}  // namespace
}  // namespace vindel::testing
