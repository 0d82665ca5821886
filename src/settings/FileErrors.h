// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// The failures of file access with the texts the operator sees, shared by the
// platforms' backends; each passes its own description of the error.
namespace vindel {

// The platform's description without trailing blanks, line breaks and
// periods, since the messages put their own punctuation after it.
std::u16string TrimDescription(std::u16string description);

[[noreturn]] void RaiseCreateError(const std::string& name, const std::u16string& description);
[[noreturn]] void RaiseOpenError(const std::string& name, const std::u16string& description);
[[noreturn]] void RaiseWriteError();
// The file holds more than ReadWholeFile takes.
[[noreturn]] void RaiseTooLarge(const std::string& name);

}  // namespace vindel
