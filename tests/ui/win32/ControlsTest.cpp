// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "AccessibleFacts.h"
#include "ClientPixels.h"
#include "ToolkitDriving.h"
#include "ToolkitTest.h"
#include "common/Text.h"
#include "ui/win32/Button.h"
#include "ui/win32/EditBox.h"
#include "ui/win32/Form.h"
#include "ui/win32/Label.h"
#include "ui/win32/Picture.h"
#include "ui/win32/WindowText.h"

namespace vindel::testing {
namespace {

using win32::Button;
using win32::EditBox;
using win32::Form;
using win32::Label;
using win32::Picture;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kBannerBlue = RGB(115, 151, 201);

constexpr FontDescription kBold19{u"Calibri", 19, FontStyle::Bold};
constexpr FontDescription kBoldItalic19{u"Calibri", 19, FontStyle::BoldItalic};

class ControlsTest : public ToolkitTest {
  protected:
    ControlsTest() { form_.Show(); }

    Form form_{toolkit_, kMainForm};
};

TEST_F(ControlsTest, LabelsTakeTheSizeOfTheirTextInTheirFont) {
    // The sizes the windows were laid out with, in Calibri. Carlito has its
    // metrics but hints its letters its own way: at 19 px a text may come
    // out a pixel or two narrower.
    struct Case {
        std::u16string caption;
        FontDescription font;
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
        {u"Beta - V1.2 (16/11/22)-2", {u"Calibri", 13, FontStyle::Bold}, 136, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.caption.begin(), c.caption.end()));
        const Label label(form_, LabelAt({45, 174, 0, 0}, c.caption, c.font));
        EXPECT_NEAR(label.Geometry().width, c.width, 3);
        EXPECT_EQ(label.Geometry().height, c.height);
    }
}

TEST_F(ControlsTest, ANewCaptionResizesTheLabelFromItsLeftEdge) {
    Label label(form_, LabelAt({296, 130, 4, 23}, u""));
    const Label measure(form_, LabelAt({45, 222, 0, 0}, u"Output Ports"));
    label.SetCaption(u"Output Ports");
    EXPECT_EQ(label.Geometry().left, 296);
    EXPECT_EQ(label.Geometry().width, measure.Geometry().width);
    EXPECT_EQ(label.PixelBounds().left, 296);
}

// What assistive technology reads of the windows (Microsoft Active
// Accessibility): a label by its caption, hidden or not, an input by the
// name its description gives, and a password box as protected, never its
// value.
TEST_F(ControlsTest, AssistiveTechnologyReadsTheLabelsAndTheInputsNames) {
    const Label label(form_, LabelAt({45, 90, 0, 0}, u"Ethernet switch Model:"));
    Label hidden(form_, LabelAt({45, 130, 0, 0}, u"Hidden"));
    hidden.SetVisible(false);
    Label changed(form_, LabelAt({296, 130, 0, 0}, u""));
    changed.SetCaption(u"SG300-10 \u00e4");
    const EditBox address(form_, InputAt(ControlKind::EditBox, {167, 493, 122, 26},
                                         u"192.168.1.254", kCalibri15, u"IP Address"));
    EditBox password(form_, InputAt(ControlKind::PasswordBox, {168, 587, 122, 26}, u"", kCalibri15,
                                    u"Password"));
    password.SetText(u"secret");
    const Button button(form_, InputAt(ControlKind::Button, {400, 620, 91, 41}, u"Connect"));

    struct Case {
        HWND window;
        std::u16string name;
        bool invisible;
    };
    const Case cases[] = {
        {label.Handle(), u"Ethernet switch Model:", false},
        {hidden.Handle(), u"Hidden", true},
        {changed.Handle(), u"SG300-10 \u00e4", false},
        {address.Handle(), u"IP Address", false},
        {password.Handle(), u"Password", false},
        // A button is named by its caption, by the system itself.
        {button.Handle(), u"Connect", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ToUtf8(c.name));
        const std::optional<AccessibleFacts> facts = ReadAccessible(c.window);
        ASSERT_TRUE(facts);
        EXPECT_EQ(ToUtf8(facts->name.value_or(u"(none)")), ToUtf8(c.name));
        EXPECT_EQ(facts->invisible, c.invisible);
    }
    EXPECT_EQ(ReadAccessible(address.Handle())->value, u"192.168.1.254");
    const AccessibleFacts secret = *ReadAccessible(password.Handle());
    EXPECT_TRUE(secret.isProtected);
    EXPECT_FALSE(secret.value);
}

// "MMM" has nothing below its baseline: the label's bottom row shows what
// lies under the label.
TEST_F(ControlsTest, LabelsAreTransparentAndRepaintWhatTheyUncover) {
    const Picture banner(form_, PictureAt({-2, 0, 984, 33}, u"banner.bmp"));
    const Label onBanner(form_, LabelAt({408, 8, 0, 0}, u"MMM", kBoldItalic19, TextColour::Yellow));
    const Label onForm(form_, LabelAt({45, 90, 0, 0}, u"MMM"));
    const Label sentence(form_, LabelAt({35, 393, 0, 0}, u"MMMMMMMMMM"));
    const Label value(form_, LabelAt({60, 393, 0, 0}, u"  ", kBold19));
    Label shrinking(form_, LabelAt({45, 500, 0, 0}, u"MMMMMMMM"));
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
    const Label label(form_, LabelAt({600, 100, 0, 0}, u"MMM"));
    Picture picture(form_, PictureAt({590, 90, 0, 0}, u"SG300-10.png"));
    EXPECT_EQ(ClientPixels(form_.Handle()).Count(label.PixelBounds(), kBlack), 0);
    picture.SetVisible(false);
    EXPECT_FALSE(picture.Visible());
    EXPECT_GT(ClientPixels(form_.Handle()).Count(label.PixelBounds(), kBlack), 0);
}

TEST_F(ControlsTest, PicturesShowAtNaturalSizeCutAtTheControlsEdge) {
    // Wider than the banner, to see where it ends.
    Form wide(toolkit_, {"Wide", u"Vindel", {0, 0, 1100, 700}, {u"Tahoma", 11}, {}});
    const Picture front(wide, PictureAt({46, 282, 0, 0}, u"SG300-10.png"));
    EXPECT_EQ(front.Geometry(), (Bounds{46, 282, 501, 85}));
    const Picture natural(wide, PictureAt({0, 600, 0, 0}, u"banner.bmp"));
    EXPECT_EQ(natural.Geometry(), (Bounds{0, 600, 999, 33}));
    // Given a size, from its top left corner (two columns left of the
    // window's edge here) and no further than its right edge.
    const Picture banner(wide, PictureAt({-2, 0, 984, 33}, u"banner.bmp"));
    EXPECT_EQ(banner.Geometry().width, 984);
    wide.Show();

    const ClientPixels pixels(wide.Handle());
    EXPECT_EQ(pixels.At(46, 282), RGB(26, 27, 30));  // the picture's own top left pixel
    EXPECT_EQ(pixels.At(981, 20), kBannerBlue);
    EXPECT_EQ(pixels.At(982, 20), kWhite);
    EXPECT_EQ(pixels.At(998, 620), kBannerBlue);
}

TEST_F(ControlsTest, EditBoxesScrollTheirTextAndThePasswordBoxShowsStars) {
    EditBox address(form_, InputAt(ControlKind::EditBox, {167, 493, 122, 26}, u"192.168.1.254"));
    const EditBox password(form_, InputAt(ControlKind::PasswordBox, {168, 587, 122, 26}));
    EXPECT_EQ(address.Text(), u"192.168.1.254");
    address.SetText(u"");
    // Far wider than the box: it scrolls rather than refusing characters.
    const std::u16string longText = u"switch-in-the-rack-at-the-far-end-of-the-hall.example";
    Type(toolkit_, address.Handle(), longText);
    EXPECT_EQ(address.Text(), longText);

    Type(toolkit_, password.Handle(), u"p\u00e4ss");
    EXPECT_EQ(password.Text(), u"p\u00e4ss");
    EXPECT_EQ(::SendMessageW(password.Handle(), EM_GETPASSWORDCHAR, 0, 0), L'*');
}

TEST_F(ControlsTest, AButtonRunsItsHandlerOnEachClickAndKeepsItsCaption) {
    Button button(form_, InputAt(ControlKind::Button, {398, 622, 97, 39}, u"Connect",
                                 {u"Calibri", 15, FontStyle::Bold}));
    int clicks = 0;
    button.SetOnClick([&] { ++clicks; });
    ::SendMessageW(button.Handle(), BM_CLICK, 0, 0);
    button.Click();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(button.Caption(), u"Connect");
}

}  // namespace
}  // namespace vindel::testing
