// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

namespace vindel::win32 {

// A dialog box template built in memory, for DialogBoxIndirectParamW:
// positions and sizes in dialog units.
class DialogTemplate final {
  public:
    // The window classes a template names by number.
    enum class ItemClass : WORD { Button = 0x0080, Static = 0x0082 };

    // With DS_SETFONT in `style`, the dialog's font is `fontFace` at
    // `pointSize`.
    DialogTemplate(DWORD style, std::u16string_view caption, std::u16string_view fontFace,
                   WORD pointSize, SIZE size);

    void AddItem(ItemClass itemClass, DWORD style, RECT bounds, WORD id, std::u16string_view text);

    const DLGTEMPLATE* Get() const noexcept {
        return reinterpret_cast<const DLGTEMPLATE*>(words_.data());
    }

  private:
    void AddWord(WORD word) { words_.push_back(word); }
    void AddDword(DWORD dword);
    void AddText(std::u16string_view text);
    void AlignToDword();

    // The template is a run of 16-bit words, items starting on 32-bit
    // boundaries; vector's storage is aligned for the DWORDs in it.
    std::vector<WORD> words_;
};

}  // namespace vindel::win32
