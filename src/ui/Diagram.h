// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/Picture.h"
#include "ui/TForm.h"

namespace vindel {

// The "In/Out Diagram" window: after provisioning it tells the operator which
// ports take the input transmitters, which the output receivers and which the
// control computer, beside the chosen model's picture. It only reads the
// setup record.
class TForm2 final : public TForm {
  public:
    TForm2(Toolkit& toolkit, TForm* owner);

    // Fills in the picture and the port ranges from the setup record.
    void FormActivate() override;
    // Closes this window, then the main window, which ends the program.
    void BitBtn1Click();

    Picture* Image1;
    Label* Label1;
    Label* Label6;
    Label* Label7;
    Label* Label8;
    Label* Label9;
    Label* Label10;
    Label* Label11;
    Picture* Image2;
    Picture* Image3;
    Picture* Image4;
    Picture* Image5;
    Label* Label2;
    Label* Label3;
    Label* Label4;
    Button* BitBtn1;

  private:
    // The picture of each model, in catalogue order.
    Picture* ModelPicture(std::size_t model) const;
};

extern TForm2* Form2;

}  // namespace vindel
