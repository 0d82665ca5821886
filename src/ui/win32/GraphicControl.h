// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include "ui/win32/Control.h"

namespace vindel::win32 {

// A label or a picture. Its window only marks its place (and holds its text
// for whoever reads the window): what shows there is painted by the form,
// which draws its background and then every visible label and picture in
// the order they were made. So a label has a transparent background, the
// banner or a sentence showing through around its letters, and a later
// label or picture lies over an earlier one. It takes no mouse input; the
// form under it does.
class GraphicControl : public Control {
  public:
    ~GraphicControl() override;

    // Draws the control into `dc`, addressed in the form's client
    // coordinates and clipped to the control.
    virtual void Draw(HDC dc) const = 0;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  protected:
    GraphicControl(Form& form, const std::u16string& text, const Bounds& bounds,
                   std::optional<Typeface> typeface, TextColour colour);

  private:
    void OnPaint();
};

}  // namespace vindel::win32
