// SPDX-License-Identifier: MIT
#include "ui/win32/Picture.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "ui/win32/Form.h"
#include "ui/win32/Win32Toolkit.h"

namespace vindel::win32 {
namespace {

// The name of a picture's RCDATA resource: the file name without its
// extension, upper case, '-' as '_' ("SG300-10.png": "SG300_10").
std::u16string PictureResourceName(std::u16string_view file) {
    std::u16string name(file.substr(0, file.rfind(u'.')));
    std::transform(name.begin(), name.end(), name.begin(), [](char16_t c) -> char16_t {
        if (c == u'-')
            return u'_';
        return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
    });
    return name;
}

}  // namespace

Picture::Picture(Form& form, const ControlDescription& description)
    : GraphicControl(form, description),
      picture_(form.WindowToolkit().Instance(), PictureResourceName(description.picture),
               form.ScreenDpi()) {
    if (description.autoSize)
        SetPixelSize({picture_.Width(), picture_.Height()});
}

void Picture::Draw(HDC dc) const {
    picture_.Draw(dc, {PixelBounds().left, PixelBounds().top});
}

}  // namespace vindel::win32
