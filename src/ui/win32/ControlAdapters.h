#pragma once

#include <span>
#include <string>
#include <vector>

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/EditBox.h"
#include "ui/Label.h"
#include "ui/Picture.h"
#include "ui/WindowDescription.h"
#include "ui/win32/Button.h"
#include "ui/win32/ComboBox.h"
#include "ui/win32/EditBox.h"
#include "ui/win32/Label.h"
#include "ui/win32/Picture.h"

namespace vindel::win32 {

// The controls of win32/ behind the interfaces of ui/, each made from its
// row of a window description. What all of them share is here, as one
// template over the interface and the Win32 control it wraps.
template <typename Interface, typename Win32Control>
class ControlAdapter : public Interface {
  public:
    bool Visible() const override { return control_.Visible(); }
    void SetVisible(bool visible) override { control_.SetVisible(visible); }
    vindel::Bounds Geometry() const override {
        return {control_.Left(), control_.Top(), control_.Width(), control_.Height()};
    }

    Win32Control& Window() noexcept { return control_; }
    const Win32Control& Window() const noexcept { return control_; }

  protected:
    template <typename Design>
    ControlAdapter(win32::Form& form, const Design& design) : control_(form, design) {}

  private:
    Win32Control control_;
};

// How a description's font and colour look to the controls of win32/.
Typeface TypefaceOf(const FontDescription& font);
win32::TextColour ColourOf(vindel::TextColour colour);
win32::Bounds BoundsOf(const vindel::Bounds& bounds);
// The name of a picture's RCDATA resource: the file name without its
// extension, upper case, '-' as '_' ("SG300-10.png": "SG300_10").
std::u16string PictureResourceName(std::u16string_view file);

class LabelAdapter final : public ControlAdapter<vindel::Label, win32::Label> {
  public:
    LabelAdapter(win32::Form& form, const ControlDescription& description);
    std::u16string Caption() const override { return Window().Caption(); }
    void SetCaption(const std::u16string& caption) override { Window().SetCaption(caption); }
};

class PictureAdapter final : public ControlAdapter<vindel::Picture, win32::Picture> {
  public:
    PictureAdapter(win32::Form& form, const ControlDescription& description);
};

class ComboBoxAdapter final : public ControlAdapter<vindel::ComboBox, win32::ComboBox> {
  public:
    ComboBoxAdapter(win32::Form& form, const ControlDescription& description);
    void Refill(std::span<const std::u16string> entries) override {
        Window().Refill({entries.begin(), entries.end()});
    }
    std::vector<std::u16string> Entries() const override { return Window().Entries(); }
    int ItemIndex() const override { return Window().ItemIndex(); }
    std::u16string Text() const override { return Window().Text(); }
    void SetOnChange(std::function<void()> handler) override {
        Window().SetChangeHandler(std::move(handler));
    }
};

class EditBoxAdapter final : public ControlAdapter<vindel::EditBox, win32::EditBox> {
  public:
    EditBoxAdapter(win32::Form& form, const ControlDescription& description);
    std::u16string Text() const override { return Window().Text(); }
    void SetText(const std::u16string& text) override { Window().SetText(text); }
};

class ButtonAdapter final : public ControlAdapter<vindel::Button, win32::Button> {
  public:
    ButtonAdapter(win32::Form& form, const ControlDescription& description);
    std::u16string Caption() const override;
    void SetOnClick(std::function<void()> handler) override {
        Window().SetClickHandler(std::move(handler));
    }
    void Click() override;
};

}  // namespace vindel::win32
