#pragma once

#include "app/Form.h"

namespace vindel {

// The "In/Out Diagram" window: which ports to cable after provisioning.
class TForm2 final : public TForm {
    Q_OBJECT

  public:
    explicit TForm2(QWidget* owner);
};

extern TForm2* Form2;

}  // namespace vindel
