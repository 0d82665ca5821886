#include "ui/Telnet.h"

#include <optional>

#include "app/Application.h"
#include "app/BusyCursor.h"
#include "app/HandlerGuard.h"
#include "app/QtText.h"
#include "catalogue/PortNumberTexts.h"
#include "catalogue/SwitchModels.h"
#include "common/CodePage.h"
#include "common/MatrixSetup.h"
#include "resources/Pictures.h"
#include "settings/SettingsFile.h"
#include "ui/Diagram.h"
#include "ui/qt/FormStyle.h"
#include "ui/qt/LineEditText.h"
#include "ui/qt/StarPasswordStyle.h"

namespace vindel {

TForm1* Form1 = nullptr;

namespace {

QString FrontPicture(std::size_t model) {
    return FrontPicturePath(SwitchModels[model].FrontPicture);
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, QRect geometry, const QString& text) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    SetFont(*edit, CalibriFont(15), kBlack);
    return edit;
}

TComboBox* MakeCombo(QWidget* parent, const char* name, QRect geometry) {
    auto* combo = new TComboBox(parent, name);
    combo->setGeometry(geometry);
    SetFont(*combo, CalibriFont(15), kBlack);
    return combo;
}

// The first n count texts, for a count box that offers n counts.
QStringList CountEntries(std::int32_t n) {
    QStringList entries;
    for (const std::u16string& text : FirstPortNumberTexts(n))
        entries << ToQString(text);
    return entries;
}

// What the provisioning script needs of this window and its Telnet client.
class Form1Host final : public ProvisioningHost {
  public:
    explicit Form1Host(TForm1& form) : form_(form) {}
    bool Connected() override { return form_.IdTelnet1.Connected(); }
    void Connect(const std::u16string& host, std::uint16_t port) override {
        form_.IdTelnet1.Host = host;
        form_.IdTelnet1.Port = port;
        form_.IdTelnet1.Connect();
    }
    void SendCh(char16_t ch) override { form_.IdTelnet1.SendCh(ch); }
    void ShowControllerView() override { form_.ShowControllerView(); }
    // From the first box's close to the second box's opening the script holds
    // this thread: the busy cursor shows meanwhile, and the window is
    // repainted at once, without the closed box.
    void ShowNotice(const std::u16string& text) override {
        busy_.reset();
        Application->ShowNotice(text);
        if (++notices_ == 1) {
            busy_.emplace();
            Application->Repaint();
        }
    }
    void ShowDiagram() override {
        Form2->show();
        Form2->activateWindow();
    }

  private:
    TForm1& form_;
    int notices_ = 0;
    // Until the next box, or until the script ends, failed or not.
    std::optional<BusyCursor> busy_;
};

template <typename... Controls>
void SetVisible(bool visible, Controls*... controls) {
    (controls->setVisible(visible), ...);
}

// A screen reader announces a box by the sentence label beside it.
QString AccessibleNameOf(const TLabel* label) {
    QString name = label->text().trimmed();
    if (name.endsWith(':'))
        name.chop(1);
    return name;
}

}  // namespace

TForm1::TForm1(QWidget* owner) : TForm(owner) {
    setObjectName("Form1");
    ApplyFormStyle(*this);
    SetDesignedGeometry(200, 0, 969, 669);

    const QFont regular = CalibriFont(19);
    const QFont bold = CalibriFont(19, FontStyle::Bold);
    const QColor text = WindowTextColour();
    Label1 = new TLabel(this, "Label1", {45, 174}, "Input Ports", regular, text);
    Label2 = new TLabel(this, "Label2", {45, 222}, "Output Ports", regular, text);
    Label3 = new TLabel(this, "Label3", {45, 90}, "Ethernet switch Model:", regular, text);
    Label4 = new TLabel(this, "Label4", {45, 130}, "Maximum Input + Output ports:", regular, text);
    Label5 = new TLabel(this, "Label5", {296, 130}, "", regular, text);
    Image1 = new TImage(this, "Image1", FrontPicture(0), QPoint(46, 282));
    Image2 = new TImage(this, "Image2", BannerPicturePath, QRect(-2, 0, 984, 33));
    Image3 = new TImage(this, "Image3", FrontPicture(1), QPoint(45, 282));
    Image4 = new TImage(this, "Image4", FrontPicture(2), QPoint(46, 284));
    Image5 = new TImage(this, "Image5", FrontPicture(3), QPoint(45, 282));
    Label13 = new TLabel(this, "Label13", {280, 393}, "", bold, kBlack);
    Label14 = new TLabel(this, "Label14", {824, 0}, "Beta - V1.2 (16/11/22)-2",
                         CalibriFont(13, FontStyle::Bold), kWhite);
    Label15 = new TLabel(this, "Label15", {408, 8}, "N x M Matrix Setup",
                         CalibriFont(19, FontStyle::BoldItalic), kYellow);
    Label18 = new TLabel(this, "Label18", {35, 464},
                         "2. Enter IP address of the                       ", regular, text);
    Label19 = new TLabel(this, "Label19", {35, 522}, "3. Enter Login and Password ", regular, text);
    Label20 = new TLabel(this, "Label20", {65, 493}, "IP Address:", regular, text);
    Label21 = new TLabel(this, "Label21", {65, 562}, "Login:", regular, text);
    Label22 = new TLabel(this, "Label22", {65, 587}, "Password:", regular, text);
    Label23 = new TLabel(this, "Label23", {235, 464}, "          ", bold, kBlack);
    Label6 = new TLabel(this, "Label6", {35, 393},
                        "1. Connect computer directly to                    of the          "
                        "              Ethernet Switch.",
                        regular, text);
    Label7 = new TLabel(this, "Label7", {56, 422}, "(Leave all other ports unconnected.)", regular,
                        text);
    Label8 = new TLabel(this, "Label8", {408, 393}, "", bold, kBlack);
    In_box = MakeCombo(this, "In_box", {152, 176, 89, 26});
    outbox = MakeCombo(this, "outbox", {153, 224, 89, 26});
    Button1 = new QPushButton("Connect", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(398, 622, 97, 39);
    SetFont(*Button1, CalibriFont(15, FontStyle::Bold), kBlack);
    Edit1 = MakeEdit(this, "Edit1", {167, 493, 122, 26}, "192.168.1.254");
    Edit2 = MakeEdit(this, "Edit2", {167, 557, 122, 26}, "");
    Edit3 = MakeEdit(this, "Edit3", {168, 587, 122, 26}, "");
    Edit3->setEchoMode(QLineEdit::Password);
    Edit3->setStyle(new StarPasswordStyle(Edit3));
    Probox = MakeCombo(this, "Probox", {230, 92, 145, 26});
    for (const SwitchModel& model : SwitchModels) {
        Probox->addItem(ToQString(model.ModelName));
    }
    Probox->setCurrentIndex(-1);

    In_box->setAccessibleName(AccessibleNameOf(Label1));
    outbox->setAccessibleName(AccessibleNameOf(Label2));
    Probox->setAccessibleName(AccessibleNameOf(Label3));
    Edit1->setAccessibleName(AccessibleNameOf(Label20));
    Edit2->setAccessibleName(AccessibleNameOf(Label21));
    Edit3->setAccessibleName(AccessibleNameOf(Label22));
    Button1->setAccessibleName(Button1->text());

    setTabOrder(In_box, outbox);
    setTabOrder(outbox, Button1);
    setTabOrder(Button1, Edit1);
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Edit3);
    setTabOrder(Edit3, Probox);
    In_box->setFocus();

    SetVisible(false, Image1, Image3, Image4, Image5);

    connect(Probox, &TComboBox::Change, this, Guarded(this, [this] { ProboxChange(Probox); }));
    connect(In_box, &TComboBox::Change, this, Guarded(this, [this] { In_boxChange(In_box); }));
    connect(outbox, &TComboBox::Change, this, Guarded(this, [this] { outboxChange(outbox); }));
    connect(Button1, &QPushButton::clicked, this, Guarded(this, [this] { Button1Click(Button1); }));

    IdTelnet1.Terminal = u"dumb";
    IdTelnet1.OnDataAvailable = [this](TIdTelnet& sender, const std::u16string& buffer) {
        IdTelnet1DataAvailable(sender, buffer);
    };
}

TForm1::~TForm1() {
    // Here rather than in the component's own destructor, so that a delivery
    // run while it waits still finds the window whole.
    try {
        IdTelnet1.Disconnect(true);
    } catch (...) {
        // The program is ending: a connection the switch has reset or closed
        // has nobody left to tell, and the exit code stays 0.
    }
}

void TForm1::IdTelnet1DataAvailable(TIdTelnet& /*Sender*/, const std::u16string& Buffer) {
    [[maybe_unused]] const std::string discarded = ToAnsi(Buffer);
}

void TForm1::ShowSetupControls() {
    Label15->SetCaption("N x M Matrix Setup");
    // Always the first model's picture, whichever model is chosen; a picture
    // of another model that is showing stays, drawn over it.
    SetVisible(true, Button1, Edit1, Edit2, Edit3, Image1, Label1, Label2, Label3, Label4, Label5,
               Label6, Label7, Label8, Label13, Label14, Label15, Label18, Label19, Label20,
               Label21, Label22, Label23, outbox, Probox, In_box);
}

void TForm1::ShowControllerView() {
    Label15->SetCaption("Matrix Controller");
    SetVisible(false, Button1, Edit1, Edit2, Edit3, Image1, Image3, Image4, Image5, Label1, Label2,
               Label3, Label4, Label5, Label6, Label7, Label8, Label13, Label18, Label19, Label20,
               Label21, Label22, Label23, outbox, Probox, In_box);
}

void TForm1::ShowSetupView() {
    LineEditText address(*Edit1), login(*Edit2), password(*Edit3);
    ReadSettingsFile(address, login, password);
    ShowSetupControls();
}

void TForm1::FormActivate() {
    ShowSetupView();
}

TImage* TForm1::ModelPicture(std::size_t model) const {
    const std::array<TImage*, 4> pictures = {Image1, Image3, Image4, Image5};
    return pictures.at(model);
}

void TForm1::ProboxChange(QObject* /*Sender*/) {
    const int index = Probox->ItemIndex();
    SetVisible(false, Image1, Image3, Image4, Image5);
    if (const SwitchModel* model = FindModelByIndex(index)) {
        MatrixSetup.PortCount = model->PortCount;
        Label5->SetCaption(ToQString(model->PortCountText));
        ModelPicture(static_cast<std::size_t>(index))->show();
        Label23->SetCaption(ToQString(model->ModelName));
        Label8->SetCaption(ToQString(model->ModelName));
        MatrixSetup.ModelName = model->ModelName;
        Label13->SetCaption(ToQString(model->ControlPortText));
    }
    // At least one port is left for an output.
    In_box->Refill(CountEntries(MatrixSetup.PortCount - 1));
}

void TForm1::In_boxChange(QObject* /*Sender*/) {
    MatrixSetup.InputCount = In_box->ItemIndex() + 1;
    outbox->Refill(CountEntries(MatrixSetup.PortCount - MatrixSetup.InputCount));
}

void TForm1::outboxChange(QObject* /*Sender*/) {
    MatrixSetup.OutputCount = outbox->ItemIndex() + 1;
    In_box->Refill(CountEntries(MatrixSetup.PortCount - MatrixSetup.OutputCount));
}

void TForm1::Button1Click(QObject* /*Sender*/) {
    WriteNewSettingsFile(LineEditText(*Edit1), LineEditText(*Edit2), LineEditText(*Edit3));
    RunProvisioning();
}

void TForm1::RunProvisioning() {
    Form1Host host(*this);
    vindel::RunProvisioning(host, ProvisioningSleep);
}

}  // namespace vindel
