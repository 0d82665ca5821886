#include "ui/Diagram.h"

#include "ui/FormStyle.h"

namespace vindel {

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* owner) : TForm(owner) {
    setObjectName("Form2");
    ApplyFormStyle(*this);
    SetDesignedGeometry(200, 50, 924, 429);
}

}  // namespace vindel
