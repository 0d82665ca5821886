// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "ClientPixels.h"
#include "ToolkitDriving.h"
#include "ToolkitTest.h"
#include "ui/win32/Button.h"
#include "ui/win32/EditBox.h"
#include "ui/win32/Label.h"
#include "ui/win32/Picture.h"
#include "ui/win32/ShownTexts.h"
#include "ui/win32/UniqueWindow.h"
#include "ui/win32/WindowText.h"

namespace vindel::win32::testing {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kBannerBlue = RGB(115, 151, 201);

constexpr Typeface kBold19{FontFamily::Calibri, 19, FontStyle::Bold};
constexpr Typeface kBoldItalic19{FontFamily::Calibri, 19, FontStyle::BoldItalic};

class ControlsTest : public ToolkitTest {
  protected:
    ControlsTest() { form_.Show(); }

    Form form_{shell_, kMainDesign};
};

TEST_F(ControlsTest, LabelsTakeTheSizeOfTheirTextInTheirFont) {
    // The sizes the windows were laid out with, in Calibri. Carlito has its
    // metrics but hints its letters its own way: at 19 px a text may come
    // out a pixel or two narrower.
    struct Case {
        std::u16string caption;
        Typeface typeface;
        int width;
        int height;
    };
    const Case cases[] = {
        {u"Input Ports", kCalibri19, 87, 23},
        {u"Output Ports", kCalibri19, 100, 23},
        {u"Ethernet switch Model:", kCalibri19, 178, 23},
        {u"Maximum Input + Output ports:", kCalibri19, 245, 23},
        {u"(Leave all other ports unconnected.)", kCalibri19, 277, 23},
        {u"1. Connect computer directly to                    of the                        "
         u"Ethernet Switch.",
         kCalibri19, 589, 23},
        {u"", kCalibri19, 4, 23},  // measured as one space
        {u"Ports 1", kBold19, 56, 23},
        {u"          ", kBold19, 40, 23},
        {u"N x M Matrix Setup", kBoldItalic19, 154, 23},
        {u"In/Out Diagram", kBoldItalic19, 126, 23},
        {u"Beta - V1.2 (16/11/22)-2", {FontFamily::Calibri, 13, FontStyle::Bold}, 136, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.caption.begin(), c.caption.end()));
        const Label label(form_, {45, 174, c.caption, c.typeface});
        EXPECT_NEAR(label.Width(), c.width, 3);
        EXPECT_EQ(label.Height(), c.height);
    }
}

TEST_F(ControlsTest, ANewCaptionResizesTheLabelFromItsLeftEdge) {
    Label label(form_, {296, 130, u"", kCalibri19});
    const Label measure(form_, {45, 222, u"Output Ports", kCalibri19});
    label.SetCaption(u"Output Ports");
    EXPECT_EQ(label.Left(), 296);
    EXPECT_EQ(label.Width(), measure.Width());
    EXPECT_EQ(label.PixelBounds().left, 296);
}

// What another program reads of the form: the visible labels' texts, in
// the order they were made, pictures and empty labels left out.
std::wstring answered_texts;

LRESULT CALLBACK ReceiveTexts(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COPYDATA)
        return ::DefWindowProcW(window, message, wParam, lParam);
    const auto& answer = *reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (answer.dwData == kShownTextsAnswer)
        answered_texts.assign(static_cast<const wchar_t*>(answer.lpData),
                              answer.cbData / sizeof(wchar_t));
    return TRUE;
}

TEST_F(ControlsTest, TheFormTellsOtherProgramsWhatItsLabelsShow) {
    const Label first(form_, {45, 90, u"Ethernet switch Model:", kCalibri19});
    const Picture picture(form_, {u"FRONT", 46, 282});
    Label hidden(form_, {45, 130, u"Hidden", kCalibri19});
    hidden.SetVisible(false);
    const Label empty(form_, {45, 150, u"", kCalibri19});
    Label changed(form_, {296, 130, u"", kCalibri19});
    changed.SetCaption(u"SG300-10 \u00e4");

    WNDCLASSW receiverClass{};
    receiverClass.lpfnWndProc = ReceiveTexts;
    receiverClass.hInstance = ::GetModuleHandleW(nullptr);
    receiverClass.lpszClassName = L"VindelTextsReceiver";
    ::RegisterClassW(&receiverClass);
    const UniqueWindow receiver(::CreateWindowExW(0, receiverClass.lpszClassName, L"", 0, 0, 0, 0,
                                                  0, HWND_MESSAGE, nullptr, receiverClass.hInstance,
                                                  nullptr));
    answered_texts.clear();
    EXPECT_TRUE(::SendMessageW(form_.Handle(), ShownTextsRequestMessage(),
                               reinterpret_cast<WPARAM>(receiver.get()), 0));
    EXPECT_EQ(answered_texts, L"Ethernet switch Model:\nSG300-10 \u00e4\n");
}

// "MMM" has nothing below its baseline: the label's bottom row shows what
// lies under the label.
TEST_F(ControlsTest, LabelsAreTransparentAndRepaintWhatTheyUncover) {
    const Picture banner(form_, {u"BANNER", -2, 0, SIZE{984, 33}});
    const Label onBanner(form_, {408, 8, u"MMM", kBoldItalic19, TextColour::Yellow});
    const Label onForm(form_, {45, 90, u"MMM", kCalibri19, TextColour::Black});
    const Label sentence(form_, {35, 393, u"MMMMMMMMMM", kCalibri19, TextColour::Black});
    const Label value(form_, {60, 393, u"  ", kBold19, TextColour::Black});
    Label shrinking(form_, {45, 500, u"MMMMMMMM", kCalibri19, TextColour::Black});
    const RECT before = shrinking.PixelBounds();
    shrinking.SetCaption(u"M");

    const ClientPixels pixels(form_.Handle());
    const RECT yellowText = onBanner.PixelBounds();
    EXPECT_GT(pixels.Count(yellowText, kYellow), 0);
    EXPECT_EQ(pixels.At(yellowText.left + 1, yellowText.bottom - 1), kBannerBlue);
    const RECT blackText = onForm.PixelBounds();
    EXPECT_GT(pixels.Count(blackText, kBlack), 0);
    EXPECT_EQ(pixels.At(blackText.left + 1, blackText.bottom - 1), kWhite);
    // The value label, made later, lets the sentence under it show.
    EXPECT_GT(pixels.Count(value.PixelBounds(), kBlack), 0);
    // Nothing is left of the longer text.
    const RECT uncovered{shrinking.PixelBounds().right, before.top, before.right, before.bottom};
    EXPECT_EQ(pixels.Count(uncovered, kWhite),
              (uncovered.right - uncovered.left) * (uncovered.bottom - uncovered.top));
}

TEST_F(ControlsTest, ALaterPictureLiesOverAnEarlierLabelUntilHidden) {
    const Label label(form_, {600, 100, u"MMM", kCalibri19, TextColour::Black});
    Picture picture(form_, {u"FRONT", 590, 90});
    EXPECT_EQ(ClientPixels(form_.Handle()).Count(label.PixelBounds(), kBlack), 0);
    picture.SetVisible(false);
    EXPECT_FALSE(picture.Visible());
    EXPECT_GT(ClientPixels(form_.Handle()).Count(label.PixelBounds(), kBlack), 0);
}

TEST_F(ControlsTest, PicturesShowAtNaturalSizeCutAtTheControlsEdge) {
    // Wider than the banner, to see where it ends.
    Form wide(shell_, {u"Vindel", 0, 0, 1100, 700});
    const Picture front(wide, {u"FRONT", 46, 282});
    EXPECT_EQ(front.Width(), 501);
    EXPECT_EQ(front.Height(), 85);
    const Picture natural(wide, {u"BANNER", 0, 600});
    EXPECT_EQ(natural.Width(), 999);
    EXPECT_EQ(natural.Height(), 33);
    // Given a size, from its top left corner (two columns left of the
    // window's edge here) and no further than its right edge.
    const Picture banner(wide, {u"BANNER", -2, 0, SIZE{984, 33}});
    EXPECT_EQ(banner.Width(), 984);
    wide.Show();

    const ClientPixels pixels(wide.Handle());
    EXPECT_EQ(pixels.At(46, 282), RGB(26, 27, 30));  // the picture's own top left pixel
    EXPECT_EQ(pixels.At(981, 20), kBannerBlue);
    EXPECT_EQ(pixels.At(982, 20), kWhite);
    EXPECT_EQ(pixels.At(998, 620), kBannerBlue);
}

TEST_F(ControlsTest, EditBoxesScrollTheirTextAndThePasswordBoxShowsStars) {
    EditBox address(form_, {{167, 493, 122, 26}, u"192.168.1.254", kCalibri15});
    const EditBox password(
        form_, {{168, 587, 122, 26}, u"", kCalibri15, TextColour::Black, EditKind::Password});
    EXPECT_EQ(address.Text(), u"192.168.1.254");
    address.SetText(u"");
    // Far wider than the box: it scrolls rather than refusing characters.
    const std::u16string longText = u"switch-in-the-rack-at-the-far-end-of-the-hall.example";
    Type(shell_, address.Handle(), longText);
    EXPECT_EQ(address.Text(), longText);

    Type(shell_, password.Handle(), u"p\u00e4ss");
    EXPECT_EQ(password.Text(), u"p\u00e4ss");
    EXPECT_EQ(::SendMessageW(password.Handle(), EM_GETPASSWORDCHAR, 0, 0), L'*');
}

TEST_F(ControlsTest, AButtonClickRunsItsHandlerAndAFailureInItGoesToTheFailureRoute) {
    Button button(form_,
                  {{398, 622, 97, 39}, u"Connect", {FontFamily::Calibri, 15, FontStyle::Bold}});
    int clicks = 0;
    button.SetClickHandler([&] {
        if (++clicks == 1)
            throw Exception(u"Socket Error # 10061");
    });
    ::SendMessageW(button.Handle(), BM_CLICK, 0, 0);
    ::SendMessageW(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(failures_, std::vector<std::u16string>{u"Socket Error # 10061"});
    EXPECT_EQ(WindowText(button.Handle()), u"Connect");
}

}  // namespace
}  // namespace vindel::win32::testing
