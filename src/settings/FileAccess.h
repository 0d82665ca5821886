#pragma once

#include <string>
#include <string_view>

// Whole-file access for the settings file, relative names resolved against
// the working directory at the moment of the call. Names are UTF-8. One
// backend per platform: FileAccess.cpp (POSIX), FileAccessWin32.cpp.
namespace vindel {

// True when the name is an entry that is not a directory.
bool FileIsPresent(const std::string& name);

// The name expanded against the working directory, as messages show it.
std::string FullPath(const std::string& name);

// The whole content. Raises EFOpenError when the file can't be opened.
std::string ReadWholeFile(const std::string& name);

// Replaces the file's content. The new bytes go to a file beside it that is
// put in place only once complete, so a failure leaves the old file as it
// was. On POSIX a new file is private to its owner (0600); on Windows it gets
// the directory's inherited security. An existing one keeps its permissions.
// Raises EFCreateError when the file can't be created or replaced (on
// Windows also while another program has it open), EWriteError ("Stream
// write error") when not all bytes are written.
void ReplaceWholeFile(const std::string& name, std::string_view bytes);

}  // namespace vindel
