// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/Form.h"
#include "ui/WindowDescription.h"
#include "ui/win32/Form.h"

namespace vindel::win32 {

class Win32Toolkit;

// A window of the program on Win32, built from its description: a Form of
// win32/ with the controls of the description behind the interfaces of ui/,
// and the close and activation rules of vindel::Form.
class FormAdapter final : public vindel::Form {
  public:
    FormAdapter(Win32Toolkit& toolkit, const FormDescription& description, FormAdapter* owner);
    ~FormAdapter() override;

    vindel::Control* Find(std::string_view name) const override;
    void Show() override;
    void Hide() override;
    void Close() override;
    bool Visible() const override;
    void SetOnActivate(std::function<void()> handler) override;
    void SetOnClose(std::function<bool()> handler) override;

    win32::Form& Window() const noexcept { return *form_; }
    // The controls with their names, in the order of the description.
    using NamedControls = std::vector<std::pair<std::string, std::unique_ptr<vindel::Control>>>;
    const NamedControls& Controls() const noexcept { return controls_; }

  private:
    void MakeControls(const FormDescription& description);
    void OnCloseRequest();

    Win32Toolkit& toolkit_;
    const bool owned_;
    std::function<bool()> on_close_;
    // The controls' windows go before the form's.
    std::unique_ptr<win32::Form> form_;
    NamedControls controls_;
};

}  // namespace vindel::win32
