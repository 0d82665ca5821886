#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QLineEdit>
#include <QTest>

#include "ProgramWindows.h"
#include "app/Application.h"
#include "ui/Diagram.h"
#include "ui/Telnet.h"
#include "ui/qt/FormStyle.h"

namespace vindel {
namespace {

enum class Colour { WindowText, Black, White, Yellow, None };

// One control of the main window as designed. Label widths follow the text,
// so they are compared within a few pixels; everything else is exact.
struct Control {
    const char* name;
    QRect geometry;
    const char* text;
    int pixels;  // 0: the control has no font of its own
    FontStyle style;
    Colour colour;
    bool afterCreation, inControllerView, inSetupView;
};

constexpr FontStyle R = FontStyle::Regular;
constexpr FontStyle B = FontStyle::Bold;
constexpr FontStyle BI = FontStyle::BoldItalic;

const Control kControls[] = {
    {"Label1", {45, 174, 87, 23}, "Input Ports", 19, R, Colour::WindowText, true, false, true},
    {"Label2", {45, 222, 100, 23}, "Output Ports", 19, R, Colour::WindowText, true, false, true},
    {"Label3",
     {45, 90, 178, 23},
     "Ethernet switch Model:",
     19,
     R,
     Colour::WindowText,
     true,
     false,
     true},
    {"Label4",
     {45, 130, 245, 23},
     "Maximum Input + Output ports:",
     19,
     R,
     Colour::WindowText,
     true,
     false,
     true},
    {"Label5", {296, 130, 4, 23}, "", 19, R, Colour::WindowText, true, false, true},
    {"Image1", {46, 282, 501, 85}, "", 0, R, Colour::None, false, false, true},
    {"Image2", {-2, 0, 984, 33}, "", 0, R, Colour::None, true, true, true},
    {"Image3", {45, 282, 807, 85}, "", 0, R, Colour::None, false, false, false},
    {"Image4", {46, 284, 828, 85}, "", 0, R, Colour::None, false, false, false},
    {"Image5", {45, 282, 829, 85}, "", 0, R, Colour::None, false, false, false},
    {"Label13", {280, 393, 4, 23}, "", 19, B, Colour::Black, true, false, true},
    {"Label14",
     {824, 0, 136, 15},
     "Beta - V1.2 (16/11/22)-2",
     13,
     B,
     Colour::White,
     true,
     true,
     true},
    {"Label15", {408, 8, 154, 23}, "N x M Matrix Setup", 19, BI, Colour::Yellow, true, true, true},
    {"Label18",
     {35, 464, 286, 23},
     "2. Enter IP address of the                       ",
     19,
     R,
     Colour::WindowText,
     true,
     false,
     true},
    {"Label19",
     {35, 522, 222, 23},
     "3. Enter Login and Password ",
     19,
     R,
     Colour::WindowText,
     true,
     false,
     true},
    {"Label20", {65, 493, 88, 23}, "IP Address:", 19, R, Colour::WindowText, true, false, true},
    {"Label21", {65, 562, 46, 23}, "Login:", 19, R, Colour::WindowText, true, false, true},
    {"Label22", {65, 587, 81, 23}, "Password:", 19, R, Colour::WindowText, true, false, true},
    {"Label23", {235, 464, 40, 23}, "          ", 19, B, Colour::Black, true, false, true},
    {"Label6",
     {35, 393, 589, 23},
     "1. Connect computer directly to                    of the                        Ethernet "
     "Switch.",
     19,
     R,
     Colour::WindowText,
     true,
     false,
     true},
    {"Label7",
     {56, 422, 277, 23},
     "(Leave all other ports unconnected.)",
     19,
     R,
     Colour::WindowText,
     true,
     false,
     true},
    {"Label8", {408, 393, 4, 23}, "", 19, B, Colour::Black, true, false, true},
    {"In_box", {152, 176, 89, 26}, "", 15, R, Colour::Black, true, false, true},
    {"outbox", {153, 224, 89, 26}, "", 15, R, Colour::Black, true, false, true},
    {"Button1", {398, 622, 97, 39}, "Connect", 15, B, Colour::Black, true, false, true},
    {"Edit1", {167, 493, 122, 26}, "192.168.1.254", 15, R, Colour::Black, true, false, true},
    {"Edit2", {167, 557, 122, 26}, "", 15, R, Colour::Black, true, false, true},
    {"Edit3", {168, 587, 122, 26}, "", 15, R, Colour::Black, true, false, true},
    {"Probox", {230, 92, 145, 26}, "", 15, R, Colour::Black, true, false, true},
};

QColor ColourOf(Colour colour) {
    switch (colour) {
        case Colour::WindowText:
            return WindowTextColour();
        case Colour::Black:
            return kBlack;
        case Colour::White:
            return kWhite;
        case Colour::Yellow:
            return kYellow;
        case Colour::None:
            break;
    }
    return {};
}

QString TextOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* button = qobject_cast<const QPushButton*>(control))
        return button->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText();
    return {};
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { application_ = testing::StartWindows(); }
    void TearDown() override { application_.reset(); }

    // Checks every control against the table, with the visibility of one view.
    template <typename Visible>
    void CheckControls(Visible visibleIn, const char* view) {
        for (const Control& c : kControls) {
            SCOPED_TRACE(std::string(c.name) + " " + view);
            auto* control = Form1->findChild<QWidget*>(c.name);
            ASSERT_NE(control, nullptr);
            EXPECT_EQ(control->isVisibleTo(Form1), visibleIn(c));
            EXPECT_EQ(control->pos(), c.geometry.topLeft());
            EXPECT_EQ(control->height(), c.geometry.height());
            const bool label = qobject_cast<TLabel*>(control) != nullptr;
            EXPECT_NEAR(control->width(), c.geometry.width(), label ? 3 : 0);
            EXPECT_EQ(TextOf(control), c.text);
            if (c.pixels == 0)
                continue;
            EXPECT_EQ(QFontInfo(control->font()).family(), QFontInfo(CalibriFont(19)).family());
            EXPECT_EQ(control->font().pixelSize(), c.pixels);
            EXPECT_EQ(control->font().bold(), c.style != FontStyle::Regular);
            EXPECT_EQ(control->font().italic(), c.style == FontStyle::BoldItalic);
            const auto role = label ? QPalette::WindowText : QPalette::Text;
            EXPECT_EQ(control->palette().color(role), ColourOf(c.colour));
        }
    }

    std::unique_ptr<TApplication> application_;
};

TEST_F(MainWindowTest, ControlsAfterCreationAndInEachView) {
    CheckControls([](const Control& c) { return c.afterCreation; }, "after creation");
    Form1->ShowControllerView();
    EXPECT_EQ(Form1->Label15->text(), "Matrix Controller");
    Form1->Label15->SetCaption("N x M Matrix Setup");  // so the table's text holds
    CheckControls([](const Control& c) { return c.inControllerView; }, "controller view");
    Form1->ShowSetupControls();
    CheckControls([](const Control& c) { return c.inSetupView; }, "setup view");
}

TEST_F(MainWindowTest, ControlsAreMadeInTheDesignedOrder) {
    // A later control is drawn over an earlier one, so the order matters.
    QStringList made;
    for (const QObject* child : Form1->children()) {
        const auto* control = qobject_cast<const QWidget*>(child);
        // The diagram window is owned by this one but is no control of it.
        if (control != nullptr && !control->isWindow())
            made << control->objectName();
    }
    QStringList designed;
    for (const Control& c : kControls)
        designed << c.name;
    EXPECT_EQ(made, designed);
}

TEST_F(MainWindowTest, SetupViewKeepsAnotherModelsPictureOverTheFirst) {
    Form1->Image4->show();  // the SG300-28 picture, chosen after provisioning
    Form1->ShowControllerView();
    EXPECT_FALSE(Form1->Image4->isVisibleTo(Form1));
    Form1->Image4->show();
    Form1->ShowSetupControls();
    EXPECT_TRUE(Form1->Image1->isVisibleTo(Form1));
    EXPECT_TRUE(Form1->Image4->isVisibleTo(Form1));
}

TEST_F(MainWindowTest, TabOrderEntriesAndAccessibleNames) {
    QStringList order;
    QWidget* widget = Form1->In_box;
    for (int i = 0; i < 7; ++i) {
        order << widget->objectName();
        do {
            widget = widget->nextInFocusChain();
        } while (widget->objectName().isEmpty() || widget->parentWidget() != Form1);
    }
    EXPECT_EQ(order,
              QStringList({"In_box", "outbox", "Button1", "Edit1", "Edit2", "Edit3", "Probox"}));

    QStringList models;
    for (int i = 0; i < Form1->Probox->count(); ++i)
        models << Form1->Probox->itemText(i);
    EXPECT_EQ(models, QStringList({"SG300-10", "SG300-20", "SG300-28", "SG300-52"}));
    EXPECT_EQ(Form1->Probox->ItemIndex(), -1);
    EXPECT_EQ(Form1->In_box->count(), 0);
    EXPECT_EQ(Form1->Probox->maxVisibleItems(), 8);
    EXPECT_EQ(Form1->Edit3->echoMode(), QLineEdit::Password);

    EXPECT_EQ(Form1->Probox->accessibleName(), "Ethernet switch Model");
    EXPECT_EQ(Form1->In_box->accessibleName(), "Input Ports");
    EXPECT_EQ(Form1->Edit1->accessibleName(), "IP Address");
    EXPECT_EQ(Form1->Edit3->accessibleName(), "Password");
    EXPECT_EQ(Form1->Button1->accessibleName(), "Connect");
}

TEST_F(MainWindowTest, PasswordShowsOneStarPerCharacter) {
    QTest::keyClicks(Form1->Edit3, "pw 1");
    EXPECT_EQ(Form1->Edit3->text(), "pw 1");
    EXPECT_EQ(Form1->Edit3->displayText(), "****");
}

}  // namespace
}  // namespace vindel
