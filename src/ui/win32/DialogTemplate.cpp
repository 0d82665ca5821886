// SPDX-License-Identifier: MIT
#include "ui/win32/DialogTemplate.h"

namespace vindel::win32 {
namespace {

// Where DLGTEMPLATE keeps its count of items, in words from the start.
constexpr std::size_t kItemCountWord = 4;

}  // namespace

DialogTemplate::DialogTemplate(DWORD style, std::u16string_view caption,
                               std::u16string_view fontFace, WORD pointSize, SIZE size) {
    AddDword(style);
    AddDword(0);  // extended style
    AddWord(0);   // items, counted by AddItem
    AddWord(0);   // x and y: the dialog places itself
    AddWord(0);
    AddWord(static_cast<WORD>(size.cx));
    AddWord(static_cast<WORD>(size.cy));
    AddWord(0);  // no menu
    AddWord(0);  // the dialog class
    AddText(caption);
    if ((style & DS_SETFONT) != 0) {
        AddWord(pointSize);
        AddText(fontFace);
    }
}

void DialogTemplate::AddItem(ItemClass itemClass, DWORD style, RECT bounds, WORD id,
                             std::u16string_view text) {
    AlignToDword();
    AddDword(style);
    AddDword(0);  // extended style
    AddWord(static_cast<WORD>(bounds.left));
    AddWord(static_cast<WORD>(bounds.top));
    AddWord(static_cast<WORD>(bounds.right - bounds.left));
    AddWord(static_cast<WORD>(bounds.bottom - bounds.top));
    AddWord(id);
    AddWord(0xFFFF);  // a class by number follows
    AddWord(static_cast<WORD>(itemClass));
    AddText(text);
    AddWord(0);  // no creation data
    ++words_[kItemCountWord];
}

void DialogTemplate::AddDword(DWORD dword) {
    AddWord(LOWORD(dword));
    AddWord(HIWORD(dword));
}

void DialogTemplate::AddText(std::u16string_view text) {
    for (const char16_t unit : text)
        AddWord(static_cast<WORD>(unit));
    AddWord(0);
}

void DialogTemplate::AlignToDword() {
    if (words_.size() % 2 != 0)
        AddWord(0);
}

}  // namespace vindel::win32
