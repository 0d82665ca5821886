// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Whole-file access for the settings file, relative names resolved against
// the working directory at the moment of the call. Names are UTF-8. One
// backend per platform: FileAccessPosix.cpp (POSIX), FileAccessWin32.cpp.
namespace vindel {

// True when the name is an entry that is not a directory.
bool FileIsPresent(const std::string& name);

// The name expanded against the working directory, as messages show it.
std::string FullPath(const std::string& name);

// The most bytes ReadWholeFile takes. A settings file is about 1 KiB; one a
// thousand times that is no settings file, and reading a huge one whole
// would only end in running out of memory.
constexpr std::size_t kLargestFileRead = std::size_t{1} << 20;

// The whole content. Raises EFOpenError when the file can't be opened, and
// when it holds more than kLargestFileRead bytes ("File too large for a
// settings file").
std::string ReadWholeFile(const std::string& name);

// Replaces the file's content. Where a new file can take the old one's place
// unnoticed (there is no file yet, or the old one has one name, no extended
// attributes, and the new one comes out with its owner and group), the new
// bytes go to a file beside it, private to its owner until complete, that is
// put in place only once complete, so a failure leaves the old file as it
// was. Elsewhere (a folder the operator may not write, a file shared with a
// group or saved by root for someone else, a hard link) the file is truncated
// and written in place, so that it stays the file it was; a failure then
// leaves what was written. A link is followed (on Windows any reparse point,
// to its final path), and a link to no file creates its target. A new file,
// and the file beside it, are private to their owner: 0600 on POSIX, an
// access list for the owner alone on Windows. An existing one keeps its
// permissions (on Windows its access list and attributes). Raises EFCreateError when the file can't
// be created or replaced, also when it exists and is no regular file (a device, a pipe, a socket),
// which is left untouched (on Windows also while another program has it open); EWriteError ("Stream
// write error") when not all bytes are written, a file-size limit included.
void ReplaceWholeFile(const std::string& name, std::string_view bytes);

}  // namespace vindel
