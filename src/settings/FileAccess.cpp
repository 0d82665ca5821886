#include "settings/FileAccess.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>

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

// Closes a descriptor when it goes out of scope.
class FileDescriptor final {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now and reports whether the close succeeded.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
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
    }
    return content;
}

void ReplaceWholeFile(const std::string& name, std::string_view bytes) {
    // Write through a link to the file it names, as truncating would.
    std::string target = name;
    mode_t mode = S_IRUSR | S_IWUSR;
    struct stat existing {};
    const bool exists = ::stat(name.c_str(), &existing) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode))
            CreateFailed(name, EISDIR);
        // A file without write permission is read-only, also for root.
        if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            CreateFailed(name, EACCES);
        FileDescriptor probe(::open(name.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK));
        if (probe.get() < 0)
            CreateFailed(name, errno);
        char resolved[PATH_MAX];
        if (::realpath(name.c_str(), resolved) != nullptr)
            target = resolved;
        mode = existing.st_mode & 07777;
    }

    const std::filesystem::path target_path(FullPath(target));
    std::string pattern =
        (target_path.parent_path() / ("." + target_path.filename().string() + ".XXXXXX")).string();
    FileDescriptor file(::mkostemp(pattern.data(), O_CLOEXEC));
    if (file.get() < 0)
        CreateFailed(name, errno);
    TemporaryFile temporary(pattern);

    if (::fchmod(file.get(), mode) != 0)
        CreateFailed(name, errno);
    if (exists) {
        // Keep the owner when root rewrites somebody's file; best effort.
        [[maybe_unused]] const int ignored = ::fchown(file.get(), existing.st_uid, existing.st_gid);
    }
    WriteAll(file.get(), bytes);
    if (::fsync(file.get()) != 0)
        RaiseWriteError();
    if (!file.Close())
        RaiseWriteError();
    if (::rename(temporary.path().c_str(), target_path.c_str()) != 0)
        CreateFailed(name, errno);
    temporary.Release();

    // Make the rename itself durable; a failure here loses nothing.
    FileDescriptor directory(::open(target_path.parent_path().c_str(), O_RDONLY | O_CLOEXEC));
    if (directory.get() >= 0)
        ::fsync(directory.get());
}

}  // namespace vindel
