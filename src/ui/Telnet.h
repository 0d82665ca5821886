#pragma once

#include <QLineEdit>
#include <QPushButton>

#include "app/Application.h"
#include "app/Form.h"
#include "net/TIdTelnet.h"
#include "provisioning/Provisioning.h"
#include "ui/qt/ComboBox.h"
#include "ui/qt/Label.h"
#include "ui/qt/Picture.h"

namespace vindel {

// The main window: the operator picks the switch model and the port counts,
// types the switch's address, login and password, and presses "Connect".
// It has a setup view with all of that and a controller view, shown while
// the switch is provisioned, with only the banner and its title.
class TForm1 final : public TForm {
    Q_OBJECT

  public:
    explicit TForm1(QWidget* owner);
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
    void ProboxChange(QObject* Sender);
    // The input count: the output box offers the ports it leaves.
    void In_boxChange(QObject* Sender);
    // The output count: the input box offers the ports it leaves.
    void outboxChange(QObject* Sender);
    // "Connect": writes the settings file, then provisions the switch.
    void Button1Click(QObject* Sender);
    void RunProvisioning();
    // The pauses of the script, during which the windows still repaint;
    // tests shorten them.
    Sleeper ProvisioningSleep = PauseRepainting;
    // What the switch sends is read and thrown away.
    void IdTelnet1DataAvailable(TIdTelnet& Sender, const std::u16string& Buffer);

    // The controls, in the order they are made; a later one is drawn over an
    // earlier one.
    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label3;
    TLabel* Label4;
    TLabel* Label5;
    TImage* Image1;
    TImage* Image2;
    TImage* Image3;
    TImage* Image4;
    TImage* Image5;
    TLabel* Label13;
    TLabel* Label14;
    TLabel* Label15;
    TLabel* Label18;
    TLabel* Label19;
    TLabel* Label20;
    TLabel* Label21;
    TLabel* Label22;
    TLabel* Label23;
    TLabel* Label6;
    TLabel* Label7;
    TLabel* Label8;
    TComboBox* In_box;
    TComboBox* outbox;
    QPushButton* Button1;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    TComboBox* Probox;
    TIdTelnet IdTelnet1;

  private:
    // The picture of each model on this window, in catalogue order.
    TImage* ModelPicture(std::size_t model) const;
};

extern TForm1* Form1;

}  // namespace vindel
