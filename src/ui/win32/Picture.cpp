// SPDX-License-Identifier: MIT
#include "ui/win32/Picture.h"

#include <string>
#include <string_view>

#include "ResourceNames.h"
#include "common/Exception.h"
#include "ui/win32/Form.h"
#include "ui/win32/Win32Toolkit.h"

namespace vindel::win32 {
namespace {

// The picture's RCDATA resource, from the one table of resource names.
std::u16string ResourceOf(std::u16string_view file) {
    const wchar_t* name = resource_names::PictureResourceName(file);
    if (name == nullptr)
        throw Exception(u"The program holds no picture " + std::u16string(file));
    return reinterpret_cast<const char16_t*>(name);
}

}  // namespace

Picture::Picture(Form& form, const ControlDescription& description)
    : GraphicControl(form, description),
      picture_(form.WindowToolkit().Instance(), ResourceOf(description.picture), form.ScreenDpi()) {
    if (description.autoSize)
        SetPixelSize({picture_.Width(), picture_.Height()});
}

void Picture::Draw(HDC dc) const {
    picture_.Draw(dc, {PixelBounds().left, PixelBounds().top});
}

}  // namespace vindel::win32
