#include "ui/Telnet.h"

#include "ui/FormStyle.h"

namespace vindel {

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* owner) : TForm(owner) {
    setObjectName("Form1");
    ApplyFormStyle(*this);
    SetDesignedGeometry(200, 0, 969, 669);
}

}  // namespace vindel
