// SPDX-License-Identifier: MIT
#include "settings/LineList.h"

#include <cstdint>

#include "common/CodePage.h"
#include "common/Exception.h"
#include "common/Text.h"
#include "settings/FileAccess.h"

namespace vindel {
namespace {

std::u16string DecodeUtf16(std::string_view bytes, bool big_endian) {
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<std::uint8_t>(bytes[i]);
        const auto second = static_cast<std::uint8_t>(bytes[i + 1]);
        text.push_back(
            static_cast<char16_t>(big_endian ? (first << 8) | second : (second << 8) | first));
    }
    return text;
}

}  // namespace

std::u16string DecodeFileText(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE"))
        return DecodeUtf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF"))
        return DecodeUtf16(bytes.substr(2), true);
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return DecodeUtf8Strict(bytes.substr(3)).value_or(u"");
    return FromAnsi(bytes);
}

const std::u16string& LineList::Get(int index) const {
    CheckIndex(index, Count() - 1);
    return lines_[static_cast<std::size_t>(index)];
}

void LineList::Add(std::u16string line) {
    lines_.push_back(std::move(line));
}

void LineList::Insert(int index, std::u16string line) {
    CheckIndex(index, Count());
    lines_.insert(lines_.begin() + index, std::move(line));
}

void LineList::Delete(int index) {
    CheckIndex(index, Count() - 1);
    lines_.erase(lines_.begin() + index);
}

void LineList::CheckIndex(int index, int limit) const {
    if (index < 0 || index > limit) {
        throw EStringListError(u"List index out of bounds (" + DecimalText(index) + u")");
    }
}

void LineList::SetText(std::u16string_view text) {
    lines_.clear();
    if (const auto nul = text.find(u'\0'); nul != std::u16string_view::npos) {
        text = text.substr(0, nul);
    }
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of(u"\r\n", start);
        if (end == std::u16string_view::npos) {
            lines_.emplace_back(text.substr(start));
            break;
        }
        lines_.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == u'\r' && start < text.size() && text[start] == u'\n') {
            ++start;
        }
    }
}

void LineList::LoadFromFile(const std::string& name) {
    const std::string bytes = ReadWholeFile(name);
    SetText(DecodeFileText(bytes));
}

void LineList::SaveToFile(const std::string& name) const {
    std::u16string text;
    for (const auto& line : lines_) {
        text += line;
        text += u"\r\n";
    }
    ReplaceWholeFile(name, ToAnsi(text));
}

}  // namespace vindel
