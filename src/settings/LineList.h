// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vindel {

// The settings file's text decoded: a byte-order mark picks UTF-16 LE or BE
// or strict UTF-8 (any invalid sequence gives an empty text); anything else
// is the 8-bit code page. The mark itself is not part of the text.
std::u16string DecodeFileText(std::string_view bytes);

// An ordered list of text lines, indexed from 0, as the settings file holds
// them. Reading, deleting or inserting outside the list raises
// EStringListError ("List index out of bounds (n)").
class LineList final {
  public:
    int Count() const { return static_cast<int>(lines_.size()); }
    const std::u16string& Get(int index) const;
    void Add(std::u16string line);
    void Insert(int index, std::u16string line);
    void Delete(int index);
    void Clear() { lines_.clear(); }
    const std::vector<std::u16string>& Lines() const { return lines_; }

    // Replaces the lines by those of the text: a line ends at CR, LF or CR LF
    // (LF CR is two breaks), a NUL ends the text, and a break at the very end
    // adds no empty line.
    void SetText(std::u16string_view text);

    // Replaces the lines by those of the file. Raises EFOpenError, leaving the
    // lines as they were, when the file can't be read.
    void LoadFromFile(const std::string& name);

    // Writes every line followed by CR LF, in the 8-bit code page.
    void SaveToFile(const std::string& name) const;

  private:
    void CheckIndex(int index, int limit) const;

    std::vector<std::u16string> lines_;
};

}  // namespace vindel
