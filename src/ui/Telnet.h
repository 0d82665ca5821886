// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "net/TIdTelnet.h"
#include "provisioning/Provisioning.h"
#include "provisioning/SwitchAnswers.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/EditBox.h"
#include "ui/Label.h"
#include "ui/Picture.h"
#include "ui/TForm.h"

namespace vindel {

// The main window: the operator picks the switch model and the port counts,
// types the switch's address, login and password, and presses "Connect".
// It has a setup view with all of that and a controller view, shown while
// the switch is provisioned, with only the banner and its title.
class TForm1 final : public TForm {
  public:
    TForm1(Toolkit& toolkit, TForm* owner);
    // Closes a connection that is still open, with any delivery pending;
    // a socket failure on the way is swallowed.
    ~TForm1() override;

    // Shows the 25 controls of the setup view, with its title.
    void ShowSetupControls();
    // Hides every input, leaving the banner with its title and version text.
    void ShowControllerView();

    // Fills the edit boxes from the settings file, then shows the setup view.
    void ShowSetupView();
    void FormActivate() override;

    // The operator picked or typed a model: its texts, its picture, and the
    // input counts it leaves.
    void ProboxChange(Control* Sender);
    // The input count: the output box offers the ports it leaves.
    void In_boxChange(Control* Sender);
    // The output count: the input box offers the ports it leaves.
    void outboxChange(Control* Sender);
    // "Connect": writes the settings file, then provisions the switch.
    void Button1Click(Control* Sender);
    // Runs the script (RunProvisioningScript). A run that fails in any way
    // closes the connection, shows why in the error box and, once that is
    // closed, shows the setup view again for another try.
    void RunProvisioning();
    // The pauses of the script, during which the windows still repaint;
    // tests shorten them.
    Sleeper ProvisioningSleep = PauseRepainting;
    // What the switch sends is kept for the run's verdict (Answers).
    void IdTelnet1DataAvailable(TIdTelnet& Sender, const std::u16string& Buffer);
    // What the switch has said during the current or last run.
    std::u16string_view Answers() const { return answers_.Text(); }

    // The controls, in the order they are made; a later one is drawn over an
    // earlier one.
    Label* Label1;
    Label* Label2;
    Label* Label3;
    Label* Label4;
    Label* Label5;
    Picture* Image1;
    Picture* Image2;
    Picture* Image3;
    Picture* Image4;
    Picture* Image5;
    Label* Label13;
    Label* Label14;
    Label* Label15;
    Label* Label18;
    Label* Label19;
    Label* Label20;
    Label* Label21;
    Label* Label22;
    Label* Label23;
    Label* Label6;
    Label* Label7;
    Label* Label8;
    ComboBox* In_box;
    ComboBox* outbox;
    Button* Button1;
    EditBox* Edit1;
    EditBox* Edit2;
    EditBox* Edit3;
    ComboBox* Probox;
    TIdTelnet IdTelnet1;

  private:
    // The picture of each model on this window, in catalogue order.
    Picture* ModelPicture(std::size_t model) const;

    SwitchAnswers answers_;
};

extern TForm1* Form1;

}  // namespace vindel
