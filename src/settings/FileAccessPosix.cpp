// SPDX-License-Identifier: MIT
#include "settings/FileAccess.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <utility>

#include "common/Exception.h"
#include "common/Text.h"
#include "settings/FileErrors.h"

namespace vindel {
namespace {

[[noreturn]] void CreateFailed(const std::string& name, int error) {
    RaiseCreateError(name, FromUtf8(std::strerror(error)));
}

[[noreturn]] void OpenFailed(const std::string& name, int error) {
    RaiseOpenError(name, FromUtf8(std::strerror(error)));
}

// What refuses a target that exists and is no regular file (a device, a
// pipe, a socket): it is never opened, let alone replaced.
constexpr int kNotARegularFile = EPERM;

// Closes a descriptor when it goes out of scope.
class FileDescriptor final {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&&) = delete;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now and reports whether the close succeeded.
    bool Close() {
        const int fd = std::exchange(fd_, -1);
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

// Removes the file beside the target unless it has been put in place.
class TemporaryFile final {
  public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!path_.empty())
            ::unlink(path_.c_str());
    }
    const std::string& path() const { return path_; }
    void Release() { path_.clear(); }

  private:
    std::string path_;
};

bool DirectorySearchFinds(const std::string& name) {
    const std::filesystem::path path(FullPath(name));
    DIR* dir = ::opendir(path.parent_path().c_str());
    if (dir == nullptr)
        return false;
    bool found = false;
    while (const dirent* entry = ::readdir(dir)) {
        if (path.filename() == entry->d_name && entry->d_type != DT_DIR) {
            found = true;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

void WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            RaiseWriteError();
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

// Past a file-size limit the write must fail with "Stream write error", not
// end the program with the partial file left behind. Set on every save, so
// that nothing run before can have put the default back.
void IgnoreFileSizeSignal() {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignore, nullptr);
}

bool IsSymbolicLink(const std::string& name) {
    struct stat info {};
    return ::lstat(name.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

// Opens the file for writing in place. Without blocking on a pipe or taking
// a terminal, and checked once open, in case the name changed hands since it
// was looked at.
FileDescriptor OpenRegularFile(const std::string& name, int create, struct stat& info) {
    FileDescriptor file(::open(name.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | create,
                               S_IRUSR | S_IWUSR));
    if (file.get() < 0)
        CreateFailed(name, errno);
    if (::fstat(file.get(), &info) != 0)
        CreateFailed(name, errno);
    if (!S_ISREG(info.st_mode))
        CreateFailed(name, kNotARegularFile);
    return file;
}

// The existing file, opened for writing: what writing it would meet (a
// directory, a read-only file, one the operator may not write) is refused
// with that failure's text before anything is written, and what is no
// regular file isn't even opened.
FileDescriptor OpenExistingFile(const std::string& name, const struct stat& existing,
                                struct stat& info) {
    if (S_ISDIR(existing.st_mode))
        CreateFailed(name, EISDIR);
    if (!S_ISREG(existing.st_mode))
        CreateFailed(name, kNotARegularFile);
    // A file without write permission is read-only, also for root.
    if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        CreateFailed(name, EACCES);
    return OpenRegularFile(name, 0, info);
}

bool HasExtendedAttributes(int fd) {
    const ssize_t size = ::flistxattr(fd, nullptr, 0);
    return size > 0 || (size < 0 && errno != ENOTSUP);
}

// Whether a new file could take the old one's place unnoticed, as far as the
// old one tells: it has no second name (a hard link would keep the old
// content) and no extended attributes (ACLs among them) that a new file
// would lack.
bool MayBeReplaced(const struct stat& info, int fd) {
    return info.st_nlink == 1 && !HasExtendedAttributes(fd);
}

// The rest, once the new file exists: it came out with the old one's owner
// and group, which is not so when root saves someone else's file, when a
// group shares it, or when the folder hands its own group to new files; and
// without extended attributes of its own.
bool MatchesTheOldFile(const struct stat& old_info, int new_fd) {
    struct stat new_info {};
    return ::fstat(new_fd, &new_info) == 0 && new_info.st_uid == old_info.st_uid &&
           new_info.st_gid == old_info.st_gid && !HasExtendedAttributes(new_fd);
}

// Errors with which a folder refuses a new file while its existing files may
// still be written.
bool FolderRefusesNewFiles(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

// The file beside the target that the new content goes to. mkostemp makes it
// private to its owner, so a partial password is never readable by others.
// Returns a descriptor below zero, with errno set, when it can't be created.
FileDescriptor CreateBeside(const std::filesystem::path& target, std::string& path) {
    path = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    return FileDescriptor(::mkostemp(path.data(), O_CLOEXEC));
}

// Writes the new file, gives it its mode once complete and renames it over
// the target.
void PutInPlace(const std::string& name, FileDescriptor& file, TemporaryFile& temporary,
                const std::filesystem::path& target, mode_t mode, std::string_view bytes) {
    WriteAll(file.get(), bytes);
    if (::fsync(file.get()) != 0)
        RaiseWriteError();
    if (::fchmod(file.get(), mode) != 0)
        CreateFailed(name, errno);
    if (!file.Close())
        RaiseWriteError();
    if (::rename(temporary.path().c_str(), target.c_str()) != 0)
        CreateFailed(name, errno);
    temporary.Release();

    // Make the rename itself durable; a failure here loses nothing.
    FileDescriptor directory(::open(target.parent_path().c_str(), O_RDONLY | O_CLOEXEC));
    if (directory.get() >= 0)
        ::fsync(directory.get());
}

// Truncate, write, close: the file stays the file it was, with its owner,
// group, mode, extended attributes and other names. A failure leaves what
// was written.
void WriteInPlace(const std::string& name, FileDescriptor& file, std::string_view bytes) {
    if (::ftruncate(file.get(), 0) != 0)
        CreateFailed(name, errno);
    WriteAll(file.get(), bytes);
    if (::fsync(file.get()) != 0)
        RaiseWriteError();
    if (!file.Close())
        RaiseWriteError();
}

void CreateNewFile(const std::string& name, std::string_view bytes) {
    const std::filesystem::path target(FullPath(name));
    std::string path;
    FileDescriptor file = CreateBeside(target, path);
    if (file.get() < 0)
        CreateFailed(name, errno);
    TemporaryFile temporary(path);
    PutInPlace(name, file, temporary, target, S_IRUSR | S_IWUSR, bytes);
}

// Puts a new file in place of the old one where that goes unnoticed, and
// writes the old one in place otherwise.
void ReplaceExistingFile(const std::string& name, const struct stat& existing,
                         std::string_view bytes) {
    struct stat info {};
    FileDescriptor old_file = OpenExistingFile(name, existing, info);
    if (MayBeReplaced(info, old_file.get())) {
        // A link is followed: the file it names is replaced, the link stays.
        char resolved[PATH_MAX];
        const std::filesystem::path target(
            FullPath(::realpath(name.c_str(), resolved) != nullptr ? resolved : name));
        std::string path;
        FileDescriptor file = CreateBeside(target, path);
        if (file.get() < 0 && !FolderRefusesNewFiles(errno))
            CreateFailed(name, errno);
        if (file.get() >= 0) {
            TemporaryFile temporary(path);
            if (MatchesTheOldFile(info, file.get())) {
                PutInPlace(name, file, temporary, target, info.st_mode & 07777, bytes);
                return;
            }
        }
    }
    WriteInPlace(name, old_file, bytes);
}

}  // namespace

std::string FullPath(const std::string& name) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(name, error);
    // Without a working directory (it was removed) the name is all there is.
    return error ? name : absolute.lexically_normal().string();
}

bool FileIsPresent(const std::string& name) {
    struct stat info {};
    if (::stat(name.c_str(), &info) == 0)
        return !S_ISDIR(info.st_mode);
    if (errno == ENOENT || errno == ENOTDIR || errno == ENAMETOOLONG || errno == EINVAL) {
        return false;
    }
    return DirectorySearchFinds(name);
}

std::string ReadWholeFile(const std::string& name) {
    // Non-blocking open, so that a pipe of that name can't hang the window.
    FileDescriptor file(::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0)
        OpenFailed(name, errno);
    std::string content;
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            OpenFailed(name, errno);
        if (got == 0)
            break;
        content.append(chunk, static_cast<std::size_t>(got));
        // Checked as it comes: the file may grow while it is read.
        if (content.size() > kLargestFileRead)
            RaiseTooLarge(name);
    }
    return content;
}

void ReplaceWholeFile(const std::string& name, std::string_view bytes) {
    IgnoreFileSizeSignal();
    struct stat existing {};
    if (::stat(name.c_str(), &existing) == 0) {
        ReplaceExistingFile(name, existing, bytes);
        return;
    }
    if (errno != ENOENT)
        CreateFailed(name, errno);
    if (IsSymbolicLink(name)) {
        // A link to no file: its target is created, as opening the name to
        // create it would.
        struct stat info {};
        FileDescriptor file = OpenRegularFile(name, O_CREAT, info);
        WriteInPlace(name, file, bytes);
        return;
    }
    CreateNewFile(name, bytes);
}

}  // namespace vindel
