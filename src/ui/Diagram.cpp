#include "ui/Diagram.h"

#include "app/HandlerGuard.h"
#include "app/QtText.h"
#include "catalogue/SwitchModels.h"
#include "common/MatrixSetup.h"
#include "resources/Pictures.h"
#include "ui/Telnet.h"
#include "ui/qt/FormStyle.h"

namespace vindel {

TForm2* Form2 = nullptr;

namespace {

QString FrontPicture(std::size_t model) {
    return FrontPicturePath(SwitchModels[model].FrontPicture);
}

QString PortsText(long long port) {
    return QStringLiteral("Ports %1").arg(port);
}

}  // namespace

TForm2::TForm2(QWidget* owner) : TForm(owner) {
    setObjectName("Form2");
    ApplyFormStyle(*this);
    SetDesignedGeometry(200, 50, 924, 429);

    const QFont regular = CalibriFont(19);
    const QFont bold = CalibriFont(19, FontStyle::Bold);
    const QColor text = WindowTextColour();
    // The banner's top two rows lie above the window's edge.
    Image1 = new TImage(this, "Image1", BannerPicturePath, QRect(0, -2, 1001, 33));
    Label1 = new TLabel(this, "Label1", {376, 8}, "In/Out Diagram",
                        CalibriFont(19, FontStyle::BoldItalic), kYellow);
    Label6 = new TLabel(this, "Label6", {53, 232},
                        "Connect Input Source Transmitters to                 - ", regular, text);
    Label7 = new TLabel(this, "Label7", {428, 232}, "", bold, kBlack);
    Label8 =
        new TLabel(this, "Label8", {53, 278},
                   "Connect Output Zone Receivers to                   -       ", regular, text);
    Label9 = new TLabel(this, "Label9", {409, 278}, "", bold, kBlack);
    Label10 = new TLabel(this, "Label10", {320, 278}, "", bold, kBlack);
    Label11 = new TLabel(this, "Label11", {349, 232}, "Ports 1", bold, kBlack);
    Image2 = new TImage(this, "Image2", FrontPicture(0), QPoint(53, 120));
    Image3 = new TImage(this, "Image3", FrontPicture(1), QPoint(53, 120));
    Image4 = new TImage(this, "Image4", FrontPicture(2), QPoint(53, 120));
    Image5 = new TImage(this, "Image5", FrontPicture(3), QPoint(53, 120));
    Label2 = new TLabel(this, "Label2", {53, 326}, "Connect control computer to ", regular, text);
    Label3 = new TLabel(this, "Label3", {284, 326}, "Ports 1", bold, kBlack);
    Label4 = new TLabel(this, "Label4", {53, 91}, "", bold, kBlack);
    BitBtn1 = new QPushButton("Close", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(409, 376, 86, 33);
    SetFont(*BitBtn1, CalibriFont(15, FontStyle::Bold), text);
    BitBtn1->setAccessibleName(BitBtn1->text());
    BitBtn1->hide();
    connect(BitBtn1, &QPushButton::clicked, this, Guarded(this, [this] { BitBtn1Click(); }));
}

TImage* TForm2::ModelPicture(std::size_t model) const {
    const std::array<TImage*, 4> pictures = {Image2, Image3, Image4, Image5};
    return pictures.at(model);
}

void TForm2::FormActivate() {
    for (std::size_t model = 0; model < SwitchModels.size(); ++model)
        ModelPicture(model)->hide();
    if (const SwitchModel* model = FindModelByName(MatrixSetup.ModelName)) {
        ModelPicture(static_cast<std::size_t>(model - SwitchModels.data()))->show();
        Label3->SetCaption(ToQString(model->ControlPortText));
        Label4->SetCaption(ToQString(model->ModelName));
    }
    const long long inputs = MatrixSetup.InputCount;
    const long long outputs = MatrixSetup.OutputCount;
    Label7->SetCaption(PortsText(inputs));
    Label10->SetCaption(PortsText(inputs + 1));
    Label9->SetCaption(PortsText(inputs + outputs));
    BitBtn1->show();
}

void TForm2::BitBtn1Click() {
    close();
    if (Form1 != nullptr)
        Form1->close();
}

}  // namespace vindel
