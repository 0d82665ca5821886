// SPDX-License-Identifier: MIT
// The Windows backend of FileAccess. Names are UTF-8, as on Linux, and go to
// the wide (W) functions; the failures and their texts are those of the POSIX
// backend, with Windows' own descriptions.
#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>

#include "common/Exception.h"
#include "common/Text.h"
#include "common/Win32.h"
#include "settings/FileAccess.h"
#include "settings/FileErrors.h"

namespace vindel {
namespace {

std::wstring WideName(const std::string& name) {
    return Wide(FromUtf8(name));
}

[[noreturn]] void CreateFailed(const std::string& name, DWORD error) {
    RaiseCreateError(name, SystemErrorText(error));
}

[[noreturn]] void OpenFailed(const std::string& name, DWORD error) {
    RaiseOpenError(name, SystemErrorText(error));
}

// Ends a directory search when it goes out of scope.
class FindHandle final {
  public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    ~FindHandle() {
        if (handle_ != INVALID_HANDLE_VALUE)
            ::FindClose(handle_);
    }
    bool Found() const { return handle_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE handle_;
};

// Deletes the file beside the target unless it has been put in place.
class TemporaryFile final {
  public:
    explicit TemporaryFile(std::wstring path) : path_(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!path_.empty())
            ::DeleteFileW(path_.c_str());
    }
    const std::wstring& path() const { return path_; }
    void Release() { path_.clear(); }

  private:
    std::wstring path_;
};

// Errors that mean "there is no such entry", as opposed to "its attributes
// can't be read".
bool MeansAbsent(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_INVALID_DRIVE:
        case ERROR_FILENAME_EXCED_RANGE:
        case ERROR_INVALID_PARAMETER:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
            return true;
        default:
            return false;
    }
}

bool DirectorySearchFinds(const std::wstring& name) {
    WIN32_FIND_DATAW found{};
    const FindHandle search(::FindFirstFileW(name.c_str(), &found));
    return search.Found() && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The new content goes to a file of its own beside the target, opened for no
// one else, so that nobody ever sees it half written. With `may_refuse`, a
// folder that refuses new files gives an empty handle instead of a failure.
UniqueHandle CreateBeside(const std::string& name, const std::wstring& target, std::wstring& path,
                          bool may_refuse) {
    const std::wstring stem = target + L"." + std::to_wstring(::GetCurrentProcessId()) + L"-";
    for (unsigned attempt = 0;; ++attempt) {
        path = stem + std::to_wstring(::GetTickCount() + attempt) + L".tmp";
        UniqueHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file)
            return file;
        const DWORD error = ::GetLastError();
        if (error == ERROR_ACCESS_DENIED && may_refuse)
            return {};
        if (error != ERROR_FILE_EXISTS || attempt == 100)
            CreateFailed(name, error);
    }
}

void WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            RaiseWriteError();
        bytes.remove_prefix(written);
    }
}

// A hard link would keep the old content if a new file took this one's place.
bool HasOtherNames(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info{};
    return ::GetFileInformationByHandle(file, &info) && info.nNumberOfLinks > 1;
}

// Truncate, write, close: the file stays the file it was, with its other
// names. A failure leaves what was written.
void WriteInPlace(const std::string& name, UniqueHandle& file, std::string_view bytes) {
    // Just opened, the handle stands at the start: this empties the file.
    if (!::SetEndOfFile(file.get()))
        CreateFailed(name, ::GetLastError());
    WriteAll(file.get(), bytes);
    if (!::FlushFileBuffers(file.get()))
        RaiseWriteError();
    if (!file.Close())
        RaiseWriteError();
}

}  // namespace

std::string FullPath(const std::string& name) {
    const std::wstring wide = WideName(name);
    const DWORD needed = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return name;
    std::wstring full(needed, L'\0');
    const DWORD length = ::GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed)
        return name;
    full.resize(length);
    return ToUtf8(FromWide(full));
}

bool FileIsPresent(const std::string& name) {
    const std::wstring wide = WideName(name);
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    if (MeansAbsent(::GetLastError()))
        return false;
    // Present, but its attributes can't be read (a file the system holds,
    // say): the directory's own listing decides.
    return DirectorySearchFinds(wide);
}

std::string ReadWholeFile(const std::string& name) {
    // Others may read the file meanwhile, but not write it.
    const UniqueHandle file(::CreateFileW(WideName(name).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        OpenFailed(name, ::GetLastError());
    std::string content;
    char chunk[65536];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr))
            OpenFailed(name, ::GetLastError());
        if (got == 0)
            break;
        content.append(chunk, got);
    }
    return content;
}

void ReplaceWholeFile(const std::string& name, std::string_view bytes) {
    const std::wstring target = Wide(FromUtf8(FullPath(name)));
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    // Refused as Windows itself refuses it, also where the check below
    // wouldn't see it (wine running as root opens the file all the same).
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        CreateFailed(name, ERROR_ACCESS_DENIED);
    UniqueHandle old_file;
    if (exists) {
        // What writing in place would meet (a directory, a read-only file, a
        // file another program has open) is refused with that failure's own
        // text, before anything is written.
        old_file = UniqueHandle(::CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!old_file)
            CreateFailed(name, ::GetLastError());
        if (HasOtherNames(old_file.get())) {
            WriteInPlace(name, old_file, bytes);
            return;
        }
    }

    std::wstring path;
    UniqueHandle file = CreateBeside(name, target, path, exists);
    if (!file) {
        // A folder the operator may not write: the file itself still may be.
        WriteInPlace(name, old_file, bytes);
        return;
    }
    TemporaryFile temporary(path);
    // ReplaceFileW below needs the old file free again.
    old_file.Close();
    WriteAll(file.get(), bytes);
    if (!::FlushFileBuffers(file.get()))
        RaiseWriteError();
    if (!file.Close())
        RaiseWriteError();

    // ReplaceFileW keeps what the old file had besides its bytes: its
    // security, attributes and creation time. Where it can't (some file
    // systems), a plain replacing move still swaps the file whole.
    if (exists && ::ReplaceFileW(target.c_str(), temporary.path().c_str(), nullptr,
                                 REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        temporary.Release();
        return;
    }
    if (!::MoveFileExW(temporary.path().c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        CreateFailed(name, ::GetLastError());
    }
    temporary.Release();
}

}  // namespace vindel
