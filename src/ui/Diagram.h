#pragma once

#include <QPushButton>

#include "app/Form.h"
#include "ui/qt/Label.h"
#include "ui/qt/Picture.h"

namespace vindel {

// The "In/Out Diagram" window: after provisioning it tells the operator which
// ports take the input transmitters, which the output receivers and which the
// control computer, beside the chosen model's picture. It only reads the
// setup record.
class TForm2 final : public TForm {
    Q_OBJECT

  public:
    explicit TForm2(QWidget* owner);

    // Fills in the picture and the port ranges from the setup record.
    void FormActivate() override;
    // Closes this window, then the main window, which ends the program.
    void BitBtn1Click();

    TImage* Image1;
    TLabel* Label1;
    TLabel* Label6;
    TLabel* Label7;
    TLabel* Label8;
    TLabel* Label9;
    TLabel* Label10;
    TLabel* Label11;
    TImage* Image2;
    TImage* Image3;
    TImage* Image4;
    TImage* Image5;
    TLabel* Label2;
    TLabel* Label3;
    TLabel* Label4;
    QPushButton* BitBtn1;

  private:
    // The picture of each model, in catalogue order.
    TImage* ModelPicture(std::size_t model) const;
};

extern TForm2* Form2;

}  // namespace vindel
