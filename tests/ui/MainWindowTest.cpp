// SPDX-License-Identifier: MIT
// The main window's controls, read through the windows' interfaces, so that
// the same table runs on every toolkit.
#include <gtest/gtest.h>

#include <cstdint>

#include "Driving.h"
#include "ProgramWindows.h"
#include "WindowProbes.h"
#include "common/Text.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/Telnet.h"
#include "ui/WindowDescription.h"

namespace vindel {
namespace {

using testing::FontFacts;

// Text colours, 0xRRGGBB; window text is the designed black.
constexpr std::uint32_t kWindowText = 0x000000;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kYellow = 0xFFFF00;
constexpr std::uint32_t kNone = 0;

// One control of the main window as designed. Label widths follow the text,
// so they are compared within a few pixels; everything else is exact.
struct Designed {
    const char* name;
    Bounds geometry;
    std::u16string_view text;
    int pixels;  // 0: the control has no font of its own
    FontStyle style;
    std::uint32_t colour;
    bool afterCreation, inControllerView, inSetupView;
};

constexpr FontStyle R = FontStyle::Regular;
constexpr FontStyle B = FontStyle::Bold;
constexpr FontStyle BI = FontStyle::BoldItalic;

const Designed kControls[] = {
    {"Label1", {45, 174, 87, 23}, u"Input Ports", 19, R, kWindowText, true, false, true},
    {"Label2", {45, 222, 100, 23}, u"Output Ports", 19, R, kWindowText, true, false, true},
    {"Label3", {45, 90, 178, 23}, u"Ethernet switch Model:", 19, R, kWindowText, true, false, true},
    {"Label4",
     {45, 130, 245, 23},
     u"Maximum Input + Output ports:",
     19,
     R,
     kWindowText,
     true,
     false,
     true},
    {"Label5", {296, 130, 4, 23}, u"", 19, R, kWindowText, true, false, true},
    {"Image1", {46, 282, 501, 85}, u"", 0, R, kNone, false, false, true},
    {"Image2", {-2, 0, 984, 33}, u"", 0, R, kNone, true, true, true},
    {"Image3", {45, 282, 807, 85}, u"", 0, R, kNone, false, false, false},
    {"Image4", {46, 284, 828, 85}, u"", 0, R, kNone, false, false, false},
    {"Image5", {45, 282, 829, 85}, u"", 0, R, kNone, false, false, false},
    {"Label13", {280, 393, 4, 23}, u"", 19, B, kBlack, true, false, true},
    {"Label14", {824, 0, 136, 15}, u"Beta - V1.2 (16/11/22)-2", 13, B, kWhite, true, true, true},
    {"Label15", {408, 8, 154, 23}, u"N x M Matrix Setup", 19, BI, kYellow, true, true, true},
    {"Label18",
     {35, 464, 286, 23},
     u"2. Enter IP address of the                       ",
     19,
     R,
     kWindowText,
     true,
     false,
     true},
    {"Label19",
     {35, 522, 222, 23},
     u"3. Enter Login and Password ",
     19,
     R,
     kWindowText,
     true,
     false,
     true},
    {"Label20", {65, 493, 88, 23}, u"IP Address:", 19, R, kWindowText, true, false, true},
    {"Label21", {65, 562, 46, 23}, u"Login:", 19, R, kWindowText, true, false, true},
    {"Label22", {65, 587, 81, 23}, u"Password:", 19, R, kWindowText, true, false, true},
    {"Label23", {235, 464, 40, 23}, u"          ", 19, B, kBlack, true, false, true},
    {"Label6",
     {35, 393, 589, 23},
     u"1. Connect computer directly to                    of the                        Ethernet "
     u"Switch.",
     19,
     R,
     kWindowText,
     true,
     false,
     true},
    {"Label7",
     {56, 422, 277, 23},
     u"(Leave all other ports unconnected.)",
     19,
     R,
     kWindowText,
     true,
     false,
     true},
    {"Label8", {408, 393, 4, 23}, u"", 19, B, kBlack, true, false, true},
    {"In_box", {152, 176, 89, 26}, u"", 15, R, kBlack, true, false, true},
    {"outbox", {153, 224, 89, 26}, u"", 15, R, kBlack, true, false, true},
    {"Button1", {398, 622, 97, 39}, u"Connect", 15, B, kBlack, true, false, true},
    {"Edit1", {167, 493, 122, 26}, u"192.168.1.254", 15, R, kBlack, true, false, true},
    {"Edit2", {167, 557, 122, 26}, u"", 15, R, kBlack, true, false, true},
    {"Edit3", {168, 587, 122, 26}, u"", 15, R, kBlack, true, false, true},
    {"Probox", {230, 92, 145, 26}, u"", 15, R, kBlack, true, false, true},
};

// A label's or button's caption, a box's text; nothing for a picture.
std::u16string TextOf(const Control& control) {
    if (const auto* label = dynamic_cast<const Label*>(&control))
        return label->Caption();
    if (const auto* button = dynamic_cast<const Button*>(&control))
        return button->Caption();
    if (const auto* edit = dynamic_cast<const EditBox*>(&control))
        return edit->Text();
    if (const auto* combo = dynamic_cast<const ComboBox*>(&control))
        return combo->Text();
    return {};
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { program_ = testing::StartWindows(); }
    void TearDown() override { program_.reset(); }

    // Checks every control against the table, with the visibility of one view.
    template <typename Visible>
    void CheckControls(Visible visibleIn, const char* view) {
        const std::u16string calibri = testing::FoundFamily(u"Calibri");
        for (const Designed& c : kControls) {
            SCOPED_TRACE(std::string(c.name) + " " + view);
            const Control* control = Form1->Window().Find(c.name);
            ASSERT_NE(control, nullptr);
            EXPECT_EQ(control->Visible(), visibleIn(c));
            const Bounds geometry = control->Geometry();
            EXPECT_EQ(geometry.left, c.geometry.left);
            EXPECT_EQ(geometry.top, c.geometry.top);
            EXPECT_EQ(geometry.height, c.geometry.height);
            const bool label = dynamic_cast<const Label*>(control) != nullptr;
            EXPECT_NEAR(geometry.width, c.geometry.width, label ? 3 : 0);
            EXPECT_EQ(ToUtf8(TextOf(*control)), ToUtf8(c.text));
            if (c.pixels == 0)
                continue;
            const FontFacts font = testing::FontOf(*control);
            EXPECT_EQ(ToUtf8(font.family), ToUtf8(calibri));
            EXPECT_EQ(font.pixels, c.pixels);
            EXPECT_EQ(font.bold, c.style != FontStyle::Regular);
            EXPECT_EQ(font.italic, c.style == FontStyle::BoldItalic);
            EXPECT_EQ(font.colour, c.colour);
        }
    }

    std::unique_ptr<testing::TestProgram> program_;
};

TEST_F(MainWindowTest, ControlsAfterCreationAndInEachView) {
    CheckControls([](const Designed& c) { return c.afterCreation; }, "after creation");
    Form1->ShowControllerView();
    EXPECT_EQ(Form1->Label15->Caption(), u"Matrix Controller");
    Form1->Label15->SetCaption(u"N x M Matrix Setup");  // so the table's text holds
    CheckControls([](const Designed& c) { return c.inControllerView; }, "controller view");
    Form1->ShowSetupControls();
    CheckControls([](const Designed& c) { return c.inSetupView; }, "setup view");
}

TEST_F(MainWindowTest, ControlsAreMadeInTheDesignedOrder) {
    // A later control is drawn over an earlier one, so the order matters.
    std::vector<std::string> designed;
    for (const Designed& c : kControls)
        designed.emplace_back(c.name);
    EXPECT_EQ(testing::CreationOrder(*Form1), designed);
}

TEST_F(MainWindowTest, SetupViewKeepsAnotherModelsPictureOverTheFirst) {
    Form1->Image4->SetVisible(true);  // the SG300-28 picture, chosen after provisioning
    Form1->ShowControllerView();
    EXPECT_FALSE(Form1->Image4->Visible());
    Form1->Image4->SetVisible(true);
    Form1->ShowSetupControls();
    EXPECT_TRUE(Form1->Image1->Visible());
    EXPECT_TRUE(Form1->Image4->Visible());
}

TEST_F(MainWindowTest, TabOrderAndEntries) {
    EXPECT_EQ(testing::TabOrder(*Form1),
              (std::vector<std::string>{"In_box", "outbox", "Button1", "Edit1", "Edit2", "Edit3",
                                        "Probox"}));

    EXPECT_EQ(Form1->Probox->Entries(),
              (std::vector<std::u16string>{u"SG300-10", u"SG300-20", u"SG300-28", u"SG300-52"}));
    EXPECT_EQ(Form1->Probox->ItemIndex(), -1);
    EXPECT_TRUE(Form1->In_box->Entries().empty());
    EXPECT_EQ(testing::ListRows(*Form1->Probox), 8);
}

TEST_F(MainWindowTest, AccessibleNames) {
    if (!testing::AccessibleName(*Form1->Probox))
        GTEST_SKIP() << "the toolkit gives its controls no accessible names";
    const std::pair<const Control*, std::u16string_view> names[] = {
        {Form1->Probox, u"Ethernet switch Model"},
        {Form1->In_box, u"Input Ports"},
        {Form1->Edit1, u"IP Address"},
        {Form1->Edit3, u"Password"},
        {Form1->Button1, u"Connect"},
    };
    for (const auto& [control, name] : names)
        EXPECT_EQ(ToUtf8(testing::AccessibleName(*control).value_or(u"")), ToUtf8(name));
}

TEST_F(MainWindowTest, PasswordShowsOneStarPerCharacter) {
    testing::Type(*Form1->Edit3, u"pw 1");
    EXPECT_EQ(Form1->Edit3->Text(), u"pw 1");
    EXPECT_EQ(testing::DisplayedText(*Form1->Edit3), u"****");
}

}  // namespace
}  // namespace vindel
