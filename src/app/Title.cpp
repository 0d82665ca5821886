#include "app/Title.h"

#include <QChar>

namespace vindel {
namespace {

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Every letter in lower case, Cyrillic and Greek as much as Latin, one
// character for one (Unicode's simple mapping), so the title keeps its
// length; a character outside the basic plane is one pair of code units.
std::u16string LowerCase(std::u16string_view text) {
    std::u16string lower;
    lower.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            code = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        // Qt leaves I with dot above as it is, since its full lower case is
        // two characters; its simple one is "i".
        code = code == 0x0130 ? U'i' : QChar::toLower(code);
        if (QChar::requiresSurrogates(code)) {
            lower.push_back(QChar::highSurrogate(code));
            lower.push_back(QChar::lowSurrogate(code));
        } else {
            lower.push_back(static_cast<char16_t>(code));
        }
    }
    return lower;
}

}  // namespace

std::u16string TitleFromProgramPath(std::u16string_view path) {
    // Windows paths use backslashes, ours slashes; either ends a folder.
    const std::size_t slash = path.find_last_of(u"/\\");
    std::u16string_view name = slash == std::u16string_view::npos ? path : path.substr(slash + 1);
    name = name.substr(0, name.find(u'.'));
    // The first character stays as it is, a pair of code units included.
    std::size_t first = name.empty() ? 0 : 1;
    if (first < name.size() && IsHighSurrogate(name[0]) && IsLowSurrogate(name[1]))
        first = 2;
    return std::u16string(name.substr(0, first)) + LowerCase(name.substr(first));
}

}  // namespace vindel
