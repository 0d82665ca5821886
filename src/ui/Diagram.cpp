// SPDX-License-Identifier: MIT
#include "ui/Diagram.h"

#include <array>

#include "catalogue/SwitchModels.h"
#include "common/MatrixSetup.h"
#include "common/Text.h"
#include "ui/DesignedLook.h"
#include "ui/Telnet.h"
#include "ui/WindowDescription.h"

namespace vindel {

TForm2* Form2 = nullptr;

namespace {

constexpr TextColour kText = TextColour::WindowText;

// The diagram window as designed, its controls in creation order.
constexpr ControlDescription kControls[] = {
    // The banner's top two rows lie above the window's edge.
    PictureControl("Image1", {0, -2, 1001, 33}, BannerPicture, kFixedSize),
    LabelControl("Label1", {376, 8, 126, 23}, u"In/Out Diagram", kTitle, kYellow),
    LabelControl("Label6", {53, 232, 365, 23},
                 u"Connect Input Source Transmitters to                 - ", kSentence),
    LabelControl("Label7", {428, 232, 4, 23}, u"", kValue, kBlack),
    LabelControl("Label8", {53, 278, 371, 23},
                 u"Connect Output Zone Receivers to                   -       ", kSentence),
    LabelControl("Label9", {409, 278, 4, 23}, u"", kValue, kBlack),
    LabelControl("Label10", {320, 278, 4, 23}, u"", kValue, kBlack),
    LabelControl("Label11", {349, 232, 56, 23}, u"Ports 1", kValue, kBlack),
    PictureControl("Image2", {53, 120, 501, 85}, Front(0), kNaturalSize),
    PictureControl("Image3", {53, 120, 807, 85}, Front(1), kNaturalSize),
    PictureControl("Image4", {53, 120, 828, 85}, Front(2), kNaturalSize),
    PictureControl("Image5", {53, 120, 829, 85}, Front(3), kNaturalSize),
    LabelControl("Label2", {53, 326, 225, 23}, u"Connect control computer to ", kSentence),
    LabelControl("Label3", {284, 326, 56, 23}, u"Ports 1", kValue, kBlack),
    LabelControl("Label4", {53, 91, 4, 23}, u"", kValue, kBlack),
    InputControl(ControlKind::Button, "BitBtn1", {409, 376, 86, 33}, u"Close", kButtonFont, kText,
                 0, u"Close"),
};

constexpr FormDescription kForm2{
    "Form2", u"Vindel", {200, 50, 924, 429}, {u"Tahoma", 11}, kControls,
};

std::u16string PortsText(long long port) {
    return u"Ports " + DecimalText(port);
}

}  // namespace

TForm2::TForm2(Toolkit& toolkit, TForm* owner) : TForm(toolkit, kForm2, owner) {
    Image1 = Find<Picture>("Image1");
    Label1 = Find<Label>("Label1");
    Label6 = Find<Label>("Label6");
    Label7 = Find<Label>("Label7");
    Label8 = Find<Label>("Label8");
    Label9 = Find<Label>("Label9");
    Label10 = Find<Label>("Label10");
    Label11 = Find<Label>("Label11");
    Image2 = Find<Picture>("Image2");
    Image3 = Find<Picture>("Image3");
    Image4 = Find<Picture>("Image4");
    Image5 = Find<Picture>("Image5");
    Label2 = Find<Label>("Label2");
    Label3 = Find<Label>("Label3");
    Label4 = Find<Label>("Label4");
    BitBtn1 = Find<Button>("BitBtn1");
    BitBtn1->SetVisible(false);
    BitBtn1->SetOnClick([this] { BitBtn1Click(); });
}

Picture* TForm2::ModelPicture(std::size_t model) const {
    const std::array<Picture*, 4> pictures = {Image2, Image3, Image4, Image5};
    return pictures.at(model);
}

void TForm2::FormActivate() {
    for (std::size_t model = 0; model < SwitchModels.size(); ++model)
        ModelPicture(model)->SetVisible(false);
    if (const SwitchModel* model = FindModelByName(MatrixSetup.ModelName)) {
        ModelPicture(static_cast<std::size_t>(model - SwitchModels.data()))->SetVisible(true);
        Label3->SetCaption(std::u16string(model->ControlPortText));
        Label4->SetCaption(std::u16string(model->ModelName));
    }
    const long long inputs = MatrixSetup.InputCount;
    const long long outputs = MatrixSetup.OutputCount;
    Label7->SetCaption(PortsText(inputs));
    Label10->SetCaption(PortsText(inputs + 1));
    Label9->SetCaption(PortsText(inputs + outputs));
    BitBtn1->SetVisible(true);
}

void TForm2::BitBtn1Click() {
    Close();
    if (Form1 != nullptr)
        Form1->Close();
}

}  // namespace vindel
