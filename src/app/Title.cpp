#include "app/Title.h"

namespace vindel {
namespace {

char16_t LowerCase(char16_t ch) {
    if (ch >= u'A' && ch <= u'Z')
        return static_cast<char16_t>(ch - u'A' + u'a');
    // Latin-1 capitals other than the multiplication sign.
    if (ch >= 0xC0 && ch <= 0xDE && ch != 0xD7)
        return static_cast<char16_t>(ch + 0x20);
    return ch;
}

}  // namespace

std::u16string TitleFromProgramPath(std::u16string_view path) {
    // Windows paths use backslashes, ours slashes; either ends a folder.
    const std::size_t slash = path.find_last_of(u"/\\");
    std::u16string_view name = slash == std::u16string_view::npos ? path : path.substr(slash + 1);
    name = name.substr(0, name.find(u'.'));
    std::u16string title(name);
    for (std::size_t i = 1; i < title.size(); ++i)
        title[i] = LowerCase(title[i]);
    return title;
}

}  // namespace vindel
