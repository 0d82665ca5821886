// SPDX-License-Identifier: MIT
#include "ui/Telnet.h"

#include <array>
#include <optional>

#include "catalogue/PortNumberTexts.h"
#include "catalogue/SwitchModels.h"
#include "common/MatrixSetup.h"
#include "provisioning/HeldDeliveries.h"
#include "settings/SettingsFile.h"
#include "ui/BusyCursor.h"
#include "ui/DesignedLook.h"
#include "ui/Diagram.h"
#include "ui/HandlerGuard.h"
#include "ui/WindowDescription.h"

namespace vindel {

TForm1* Form1 = nullptr;

namespace {

constexpr ControlKind kCombo = ControlKind::ComboBox;
constexpr ControlKind kEdit = ControlKind::EditBox;
constexpr ControlKind kPassword = ControlKind::PasswordBox;
constexpr ControlKind kButton = ControlKind::Button;

constexpr FontDescription kVersion{u"Calibri", 13, FontStyle::Bold};
constexpr FontDescription kBox{u"Calibri", 15};

constexpr TextColour kWhite = TextColour::White;

// The main window as designed, its controls in creation order.
constexpr ControlDescription kControls[] = {
    LabelControl("Label1", {45, 174, 87, 23}, u"Input Ports", kSentence),
    LabelControl("Label2", {45, 222, 100, 23}, u"Output Ports", kSentence),
    LabelControl("Label3", {45, 90, 178, 23}, u"Ethernet switch Model:", kSentence),
    LabelControl("Label4", {45, 130, 245, 23}, u"Maximum Input + Output ports:", kSentence),
    LabelControl("Label5", {296, 130, 4, 23}, u"", kSentence),
    PictureControl("Image1", {46, 282, 501, 85}, Front(0), kNaturalSize),
    // The banner, cut at the control's right edge.
    PictureControl("Image2", {-2, 0, 984, 33}, BannerPicture, kFixedSize),
    PictureControl("Image3", {45, 282, 807, 85}, Front(1), kNaturalSize),
    PictureControl("Image4", {46, 284, 828, 85}, Front(2), kNaturalSize),
    PictureControl("Image5", {45, 282, 829, 85}, Front(3), kNaturalSize),
    LabelControl("Label13", {280, 393, 4, 23}, u"", kValue, kBlack),
    LabelControl("Label14", {824, 0, 136, 15}, u"Beta - V1.2 (16/11/22)-2", kVersion, kWhite),
    LabelControl("Label15", {408, 8, 154, 23}, u"N x M Matrix Setup", kTitle, kYellow),
    LabelControl("Label18", {35, 464, 286, 23},
                 u"2. Enter IP address of the                       ", kSentence),
    LabelControl("Label19", {35, 522, 222, 23}, u"3. Enter Login and Password ", kSentence),
    LabelControl("Label20", {65, 493, 88, 23}, u"IP Address:", kSentence),
    LabelControl("Label21", {65, 562, 46, 23}, u"Login:", kSentence),
    LabelControl("Label22", {65, 587, 81, 23}, u"Password:", kSentence),
    LabelControl("Label23", {235, 464, 40, 23}, u"          ", kValue, kBlack),
    LabelControl("Label6", {35, 393, 589, 23},
                 u"1. Connect computer directly to                    of the          "
                 u"              Ethernet Switch.",
                 kSentence),
    LabelControl("Label7", {56, 422, 277, 23}, u"(Leave all other ports unconnected.)", kSentence),
    LabelControl("Label8", {408, 393, 4, 23}, u"", kValue, kBlack),
    InputControl(kCombo, "In_box", {152, 176, 89, 26}, u"", kBox, kBlack, 0, u"Input Ports"),
    InputControl(kCombo, "outbox", {153, 224, 89, 26}, u"", kBox, kBlack, 1, u"Output Ports"),
    InputControl(kButton, "Button1", {398, 622, 97, 39}, u"Connect", kButtonFont, kBlack, 2,
                 u"Connect"),
    InputControl(kEdit, "Edit1", {167, 493, 122, 26}, u"192.168.1.254", kBox, kBlack, 3,
                 u"IP Address"),
    InputControl(kEdit, "Edit2", {167, 557, 122, 26}, u"", kBox, kBlack, 4, u"Login"),
    InputControl(kPassword, "Edit3", {168, 587, 122, 26}, u"", kBox, kBlack, 5, u"Password"),
    InputControl(kCombo, "Probox", {230, 92, 145, 26}, u"", kBox, kBlack, 6,
                 u"Ethernet switch Model"),
};

constexpr FormDescription kForm1{
    "Form1", u"Vindel", {200, 0, 969, 669}, {u"Tahoma", 11}, kControls,
};

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
    // The windows go on repainting while the answers come in.
    std::u16string_view ReadAnswers() override {
        RunHeldDeliveries([] {
            if (Application != nullptr)
                Application->Repaint();
        });
        return form_.Answers();
    }
    void ShowControllerView() override { form_.ShowControllerView(); }
    // From the first box's close to the second box's opening the script holds
    // this thread: the busy cursor shows meanwhile, and the window is
    // repainted at once, without the closed box.
    void ShowNotice(const std::u16string& text) override {
        busy_.reset();
        Application->ShowNotice(text);
        if (++notices_ == 1) {
            busy_.emplace(Application->WindowToolkit());
            Application->Repaint();
        }
    }
    void ShowDiagram() override { Form2->Show(); }

  private:
    TForm1& form_;
    int notices_ = 0;
    // Until the next box, or until the script ends, failed or not.
    std::optional<BusyCursor> busy_;
};

template <typename... Controls>
void SetVisible(bool visible, Controls*... controls) {
    (controls->SetVisible(visible), ...);
}

}  // namespace

TForm1::TForm1(Toolkit& toolkit, TForm* owner) : TForm(toolkit, kForm1, owner) {
    Label1 = Find<Label>("Label1");
    Label2 = Find<Label>("Label2");
    Label3 = Find<Label>("Label3");
    Label4 = Find<Label>("Label4");
    Label5 = Find<Label>("Label5");
    Image1 = Find<Picture>("Image1");
    Image2 = Find<Picture>("Image2");
    Image3 = Find<Picture>("Image3");
    Image4 = Find<Picture>("Image4");
    Image5 = Find<Picture>("Image5");
    Label13 = Find<Label>("Label13");
    Label14 = Find<Label>("Label14");
    Label15 = Find<Label>("Label15");
    Label18 = Find<Label>("Label18");
    Label19 = Find<Label>("Label19");
    Label20 = Find<Label>("Label20");
    Label21 = Find<Label>("Label21");
    Label22 = Find<Label>("Label22");
    Label23 = Find<Label>("Label23");
    Label6 = Find<Label>("Label6");
    Label7 = Find<Label>("Label7");
    Label8 = Find<Label>("Label8");
    In_box = Find<ComboBox>("In_box");
    outbox = Find<ComboBox>("outbox");
    Button1 = Find<Button>("Button1");
    Edit1 = Find<EditBox>("Edit1");
    Edit2 = Find<EditBox>("Edit2");
    Edit3 = Find<EditBox>("Edit3");
    Probox = Find<ComboBox>("Probox");

    std::vector<std::u16string> models;
    models.reserve(SwitchModels.size());
    for (const SwitchModel& model : SwitchModels)
        models.emplace_back(model.ModelName);
    Probox->Refill(models);

    SetVisible(false, Image1, Image3, Image4, Image5);

    Probox->SetOnChange([this] { ProboxChange(Probox); });
    In_box->SetOnChange([this] { In_boxChange(In_box); });
    outbox->SetOnChange([this] { outboxChange(outbox); });
    Button1->SetOnClick([this] { Button1Click(Button1); });

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
    // Kept only in memory, for the verdict at the end of the run: the script
    // itself types blind.
    answers_.Append(Buffer);
}

void TForm1::ShowSetupControls() {
    Label15->SetCaption(u"N x M Matrix Setup");
    // Deliberate: always the first model's picture, whichever model is
    // chosen; a picture of another model that is showing stays, drawn over it.
    // Operators know the window this way.
    SetVisible(true, Button1, Edit1, Edit2, Edit3, Image1, Label1, Label2, Label3, Label4, Label5,
               Label6, Label7, Label8, Label13, Label14, Label15, Label18, Label19, Label20,
               Label21, Label22, Label23, outbox, Probox, In_box);
}

void TForm1::ShowControllerView() {
    Label15->SetCaption(u"Matrix Controller");
    SetVisible(false, Button1, Edit1, Edit2, Edit3, Image1, Image3, Image4, Image5, Label1, Label2,
               Label3, Label4, Label5, Label6, Label7, Label8, Label13, Label18, Label19, Label20,
               Label21, Label22, Label23, outbox, Probox, In_box);
}

void TForm1::ShowSetupView() {
    ReadSettingsFile(*Edit1, *Edit2, *Edit3);
    ShowSetupControls();
}

void TForm1::FormActivate() {
    ShowSetupView();
}

Picture* TForm1::ModelPicture(std::size_t model) const {
    const std::array<Picture*, 4> pictures = {Image1, Image3, Image4, Image5};
    return pictures.at(model);
}

void TForm1::ProboxChange(Control* /*Sender*/) {
    const int index = Probox->ItemIndex();
    SetVisible(false, Image1, Image3, Image4, Image5);
    if (const SwitchModel* model = FindModelByIndex(index)) {
        MatrixSetup.PortCount = model->PortCount;
        Label5->SetCaption(std::u16string(model->PortCountText));
        ModelPicture(static_cast<std::size_t>(index))->SetVisible(true);
        Label23->SetCaption(std::u16string(model->ModelName));
        Label8->SetCaption(std::u16string(model->ModelName));
        MatrixSetup.ModelName = model->ModelName;
        Label13->SetCaption(std::u16string(model->ControlPortText));
    }
    // At least one port is left for an output.
    In_box->Refill(FirstPortNumberTexts(MatrixSetup.PortCount - 1));
}

void TForm1::In_boxChange(Control* /*Sender*/) {
    MatrixSetup.InputCount = In_box->ItemIndex() + 1;
    outbox->Refill(FirstPortNumberTexts(MatrixSetup.PortCount - MatrixSetup.InputCount));
}

void TForm1::outboxChange(Control* /*Sender*/) {
    MatrixSetup.OutputCount = outbox->ItemIndex() + 1;
    In_box->Refill(FirstPortNumberTexts(MatrixSetup.PortCount - MatrixSetup.OutputCount));
}

void TForm1::Button1Click(Control* /*Sender*/) {
    WriteNewSettingsFile(*Edit1, *Edit2, *Edit3);
    RunProvisioning();
}

void TForm1::RunProvisioning() {
    answers_.Clear();
    std::exception_ptr failure;
    try {
        // The host, and with it the busy cursor, is gone before the error box.
        Form1Host host(*this);
        RunProvisioningScript(host, ProvisioningSleep);
        return;
    } catch (...) {
        failure = std::current_exception();
    }
    // The operator corrects what was wrong and presses "Connect" again: that
    // needs the setup view, and a connection that is closed, or the next run
    // would return at once.
    try {
        IdTelnet1.Disconnect(true);
    } catch (...) {
        // The run's own failure is the one to report.
    }
    ReportHandlerFailure(failure);
    ShowSetupView();
}

}  // namespace vindel
