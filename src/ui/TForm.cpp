// SPDX-License-Identifier: MIT
#include "ui/TForm.h"

#include "common/Exception.h"
#include "common/Text.h"
#include "ui/HandlerGuard.h"
#include "ui/Toolkit.h"

namespace vindel {

TForm::TForm(Toolkit& toolkit, const FormDescription& description, TForm* owner)
    : window_(toolkit.MakeForm(description, owner != nullptr ? &owner->Window() : nullptr)) {
    window_->SetOnActivate([this] { FormActivate(); });
}

void TForm::MissingControl(std::string_view name) {
    throw Exception(u"The window has no control " + FromUtf8(name) + u" of the kind its code uses");
}

}  // namespace vindel
