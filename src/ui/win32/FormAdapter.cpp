// SPDX-License-Identifier: MIT
#include "ui/win32/FormAdapter.h"

#include <algorithm>
#include <map>

#include "ui/HandlerGuard.h"
#include "ui/win32/ButtonAdapter.h"
#include "ui/win32/ComboBoxAdapter.h"
#include "ui/win32/DesignOf.h"
#include "ui/win32/EditBoxAdapter.h"
#include "ui/win32/LabelAdapter.h"
#include "ui/win32/PictureAdapter.h"
#include "ui/win32/Win32Toolkit.h"

namespace vindel::win32 {
namespace {

FormDesign DesignOf(const FormDescription& description) {
    return {std::u16string(description.caption),
            description.bounds.left,
            description.bounds.top,
            description.bounds.width,
            description.bounds.height,
            TypefaceOf(description.font)};
}

std::unique_ptr<vindel::Control> MakeControl(win32::Form& form, const ControlDescription& d) {
    switch (d.kind) {
        case ControlKind::Label:
            return std::make_unique<LabelAdapter>(form, d);
        case ControlKind::Picture:
            return std::make_unique<PictureAdapter>(form, d);
        case ControlKind::ComboBox:
            return std::make_unique<ComboBoxAdapter>(form, d);
        case ControlKind::EditBox:
        case ControlKind::PasswordBox:
            return std::make_unique<EditBoxAdapter>(form, d);
        case ControlKind::Button:
            return std::make_unique<ButtonAdapter>(form, d);
    }
    return nullptr;
}

// The window of a control that takes the keyboard (edit box, combo box,
// button).
HWND InputWindow(vindel::Control& control) {
    if (auto* combo = dynamic_cast<ComboBoxAdapter*>(&control))
        return combo->Window().Handle();
    if (auto* edit = dynamic_cast<EditBoxAdapter*>(&control))
        return edit->Window().Handle();
    if (auto* button = dynamic_cast<ButtonAdapter*>(&control))
        return button->Window().Handle();
    return nullptr;
}

}  // namespace

FormAdapter::FormAdapter(Win32Toolkit& toolkit, const FormDescription& description,
                         FormAdapter* owner)
    : toolkit_(toolkit),
      owned_(owner != nullptr),
      form_(std::make_unique<win32::Form>(toolkit.GetShell(), DesignOf(description),
                                          owner != nullptr ? &owner->Window() : nullptr)) {
    form_->SetCloseHandler([this] { OnCloseRequest(); });
    MakeControls(description);
}

FormAdapter::~FormAdapter() = default;

void FormAdapter::MakeControls(const FormDescription& description) {
    std::map<int, HWND> tabOrder;
    for (const ControlDescription& d : description.controls) {
        std::unique_ptr<vindel::Control> control = MakeControl(*form_, d);
        if (d.tabOrder >= 0)
            tabOrder.emplace(d.tabOrder, InputWindow(*control));
        controls_.emplace_back(std::string(d.name), std::move(control));
    }
    // The dialog keys move through the controls in their order among the
    // form's children: the tab order, above the labels and pictures.
    HWND previous = HWND_TOP;
    for (const auto& [position, window] : tabOrder) {
        if (window == nullptr)
            continue;
        ::SetWindowPos(window, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = window;
    }
}

vindel::Control* FormAdapter::Find(std::string_view name) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [name](const auto& entry) { return entry.first == name; });
    return found != controls_.end() ? found->second.get() : nullptr;
}

void FormAdapter::Show() {
    // The main window shows first as the program was started: maximised,
    // minimised or normal.
    form_->Show(owned_ ? SW_SHOW : toolkit_.TakeStartupShowCommand());
}

void FormAdapter::Hide() {
    form_->Hide();
}

void FormAdapter::Close() {
    form_->Close();
}

bool FormAdapter::Visible() const {
    return form_->Visible();
}

void FormAdapter::SetOnActivate(std::function<void()> handler) {
    form_->SetActivationHandler(std::move(handler));
}

void FormAdapter::SetOnClose(std::function<bool()> handler) {
    on_close_ = std::move(handler);
}

void FormAdapter::OnCloseRequest() {
    // While the script pauses the program takes no input, the close box
    // included.
    if (toolkit_.Pausing())
        return;
    bool close = true;
    if (on_close_)
        RunGuarded([&] { close = on_close_(); });
    if (close)
        form_->Hide();
}

}  // namespace vindel::win32
