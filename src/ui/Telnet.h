#pragma once

#include "app/Form.h"

namespace vindel {

// The main window: the operator's setup choices and the Connect action.
class TForm1 final : public TForm {
    Q_OBJECT

  public:
    explicit TForm1(QWidget* owner);
};

extern TForm1* Form1;

}  // namespace vindel
