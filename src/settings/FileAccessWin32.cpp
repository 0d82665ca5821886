// SPDX-License-Identifier: MIT
// The Windows backend of FileAccess. Names are UTF-8, as on Linux, and go to
// the wide (W) functions; the failures and their texts are those of the POSIX
// backend, with Windows' own descriptions.
#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

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

// The file beside the target that the new content goes to. It is deleted
// unless it has been put in place, after its handle is closed: it is opened
// for no one else, so not even its deletion could open it before.
class TemporaryFile final {
  public:
    TemporaryFile(std::wstring path, UniqueHandle file)
        : path_(std::move(path)), file_(std::move(file)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        file_.Close();
        if (!path_.empty())
            ::DeleteFileW(path_.c_str());
    }
    const std::wstring& path() const { return path_; }
    HANDLE handle() const { return file_.get(); }
    bool Close() { return file_.Close(); }
    void Release() { path_.clear(); }

  private:
    std::wstring path_;
    UniqueHandle file_;
};

// A security descriptor for a new file that only its owner, the user Vindel
// runs as, may open: the switch password is in it. Protected, so that the
// folder's inheritable entries don't widen it.
class OwnerOnlySecurity final {
  public:
    OwnerOnlySecurity() {
        HANDLE token = nullptr;
        if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token))
            return;
        const UniqueHandle owned_token(token);
        DWORD size = 0;
        ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
        user_.resize(size);
        if (size == 0 || !::GetTokenInformation(token, TokenUser, user_.data(), size, &size))
            return;
        const PSID sid = reinterpret_cast<const TOKEN_USER*>(user_.data())->User.Sid;
        acl_.resize(sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + ::GetLengthSid(sid));
        auto* acl = reinterpret_cast<ACL*>(acl_.data());
        if (!::InitializeAcl(acl, static_cast<DWORD>(acl_.size()), ACL_REVISION) ||
            !::AddAccessAllowedAce(acl, ACL_REVISION, FILE_ALL_ACCESS, sid) ||
            !::InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION) ||
            !::SetSecurityDescriptorDacl(&descriptor_, TRUE, acl, FALSE) ||
            !::SetSecurityDescriptorControl(&descriptor_, SE_DACL_PROTECTED, SE_DACL_PROTECTED))
            return;
        attributes_.nLength = sizeof attributes_;
        attributes_.lpSecurityDescriptor = &descriptor_;
        ready_ = true;
    }
    OwnerOnlySecurity(const OwnerOnlySecurity&) = delete;
    OwnerOnlySecurity& operator=(const OwnerOnlySecurity&) = delete;

    // The user's SID, or nullptr when the token couldn't be read.
    PSID User() const {
        return user_.empty() ? nullptr
                             : reinterpret_cast<const TOKEN_USER*>(user_.data())->User.Sid;
    }
    // For CreateFileW; nullptr (the folder's inherited security) only where
    // the system gave no token to build it from.
    SECURITY_ATTRIBUTES* Attributes() { return ready_ ? &attributes_ : nullptr; }

  private:
    std::vector<unsigned char> user_;
    std::vector<unsigned char> acl_;
    SECURITY_DESCRIPTOR descriptor_{};
    SECURITY_ATTRIBUTES attributes_{};
    bool ready_ = false;
};

// An existing file's owner and access list, to give the new content's file
// the same: then the file keeps them whether or not the system's replacing
// carries them over.
class FileSecurity final {
  public:
    // An empty path stands for no file.
    explicit FileSecurity(const std::wstring& path) {
        if (path.empty())
            return;
        constexpr SECURITY_INFORMATION kWhat =
            OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
        DWORD size = 0;
        ::GetFileSecurityW(path.c_str(), kWhat, nullptr, 0, &size);
        descriptor_.resize(size);
        if (size == 0 || !::GetFileSecurityW(path.c_str(), kWhat, descriptor_.data(), size, &size))
            descriptor_.clear();
    }

    bool Known() const { return !descriptor_.empty(); }
    // Whether the file belongs to `user`; false also when `user` is unknown.
    bool OwnedBy(PSID user) const {
        PSID owner = nullptr;
        BOOL defaulted = FALSE;
        return Known() && user != nullptr &&
               ::GetSecurityDescriptorOwner(Descriptor(), &owner, &defaulted) && owner != nullptr &&
               ::EqualSid(owner, user);
    }
    // The access list alone, for a new file of the same owner.
    SECURITY_ATTRIBUTES* Attributes() {
        BOOL present = FALSE;
        BOOL defaulted = FALSE;
        PACL dacl = nullptr;
        if (!Known() || !::GetSecurityDescriptorDacl(Descriptor(), &present, &dacl, &defaulted) ||
            !::InitializeSecurityDescriptor(&copy_, SECURITY_DESCRIPTOR_REVISION) ||
            !::SetSecurityDescriptorDacl(&copy_, present, dacl, FALSE))
            return nullptr;
        SECURITY_DESCRIPTOR_CONTROL control = 0;
        DWORD revision = 0;
        if (::GetSecurityDescriptorControl(Descriptor(), &control, &revision) &&
            (control & SE_DACL_PROTECTED) != 0)
            ::SetSecurityDescriptorControl(&copy_, SE_DACL_PROTECTED, SE_DACL_PROTECTED);
        attributes_.nLength = sizeof attributes_;
        attributes_.lpSecurityDescriptor = &copy_;
        return &attributes_;
    }

  private:
    PSECURITY_DESCRIPTOR Descriptor() const {
        return const_cast<unsigned char*>(descriptor_.data());
    }

    std::vector<unsigned char> descriptor_;
    SECURITY_DESCRIPTOR copy_{};
    SECURITY_ATTRIBUTES attributes_{};
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
                          SECURITY_ATTRIBUTES* security, bool may_refuse) {
    const std::wstring stem = target + L"." + std::to_wstring(::GetCurrentProcessId()) + L"-";
    for (unsigned attempt = 0;; ++attempt) {
        path = stem + std::to_wstring(::GetTickCount() + attempt) + L".tmp";
        UniqueHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, security, CREATE_NEW,
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

// The path of the file that `path` names once every link on the way is
// followed, or empty when it can't be opened; `error` then tells why.
std::wstring FinalPath(const std::wstring& path, DWORD& error) {
    const UniqueHandle file(
        ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    error = file ? ERROR_SUCCESS : ::GetLastError();
    if (!file)
        return {};
    std::wstring final_path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetFinalPathNameByHandleW(file.get(), final_path.data(),
                                                         static_cast<DWORD>(final_path.size()), 0);
        if (length == 0) {
            error = ::GetLastError();
            return {};
        }
        if (length < final_path.size()) {
            final_path.resize(length);
            return final_path;
        }
        final_path.resize(length);
    }
}

// Whether a name with no attributes is a link to no file after all: then a
// new file can't be made under that name, though nothing is there. A file
// that the probe does make goes again as its handle closes.
bool IsLinkToNoFile(const std::wstring& path) {
    const UniqueHandle probe(::CreateFileW(path.c_str(), DELETE, 0, nullptr, CREATE_NEW,
                                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE,
                                           nullptr));
    return !probe && ::GetLastError() == ERROR_FILE_EXISTS;
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
        // Checked as it comes: the file may grow while it is read.
        if (content.size() > kLargestFileRead)
            RaiseTooLarge(name);
    }
    return content;
}

void ReplaceWholeFile(const std::string& name, std::string_view bytes) {
    std::wstring target = Wide(FromUtf8(FullPath(name)));
    DWORD attributes = ::GetFileAttributesW(target.c_str());
    OwnerOnlySecurity private_to_owner;
    // Wine gives a link to no file no attributes at all, as if nothing were
    // there.
    const bool link_to_no_file = attributes == INVALID_FILE_ATTRIBUTES && IsLinkToNoFile(target);
    if (attributes != INVALID_FILE_ATTRIBUTES || link_to_no_file) {
        // A link (a symbolic link, a junction, any reparse point) is followed
        // to the file it names, which is then replaced, so that the link
        // stays a link and its target gets the content, as on Linux.
        // Replacing the name itself would put a plain file where the link
        // was. (Wine shows a Unix link with no reparse-point attribute, so
        // the final path is asked for every name.)
        DWORD error = ERROR_SUCCESS;
        const std::wstring final_path = FinalPath(target, error);
        if (!final_path.empty()) {
            target = final_path;
            attributes = ::GetFileAttributesW(target.c_str());
        } else if ((link_to_no_file || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) &&
                   (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)) {
            // A name that is there, yet what it leads to isn't: a link to
            // no file. Opening it for writing creates its target, private to
            // its owner, which is then written in place.
            UniqueHandle created(::CreateFileW(target.c_str(), GENERIC_WRITE, 0,
                                               private_to_owner.Attributes(), OPEN_ALWAYS,
                                               FILE_ATTRIBUTE_NORMAL, nullptr));
            if (!created)
                CreateFailed(name, ::GetLastError());
            WriteInPlace(name, created, bytes);
            return;
        }
    }
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

    // A new file is private to its owner from its first byte. An existing
    // one is kept as it is: the new content's file gets its access list,
    // and its attributes once in place. A file of someone else's (saved by
    // an administrator, say) would become the operator's if a new file took
    // its place, so it is written in place.
    SECURITY_ATTRIBUTES* security = private_to_owner.Attributes();
    FileSecurity old_security(exists ? target : std::wstring());
    if (exists) {
        if (old_security.Known() && !old_security.OwnedBy(private_to_owner.User())) {
            WriteInPlace(name, old_file, bytes);
            return;
        }
        security = old_security.Attributes();
    }
    std::wstring path;
    UniqueHandle file = CreateBeside(name, target, path, security, exists);
    if (!file) {
        // A folder the operator may not write: the file itself still may be.
        WriteInPlace(name, old_file, bytes);
        return;
    }
    TemporaryFile temporary(path, std::move(file));
    // ReplaceFileW below needs the old file free again.
    old_file.Close();
    WriteAll(temporary.handle(), bytes);
    if (!::FlushFileBuffers(temporary.handle()))
        RaiseWriteError();
    if (!temporary.Close())
        RaiseWriteError();

    // ReplaceFileW keeps what the old file had besides its bytes: its
    // security, attributes and creation time. Where it can't (some file
    // systems), a plain replacing move still swaps the file whole.
    if (exists && ::ReplaceFileW(target.c_str(), temporary.path().c_str(), nullptr,
                                 REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        temporary.Release();
    } else if (::MoveFileExW(temporary.path().c_str(), target.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        temporary.Release();
    } else {
        CreateFailed(name, ::GetLastError());
    }
    // Not every replacing carries the attributes over (a move doesn't, nor
    // does wine's ReplaceFileW); the access list came with the new file.
    constexpr DWORD kKept =
        FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if (exists && (attributes & kKept) != 0)
        ::SetFileAttributesW(target.c_str(), attributes & (kKept | FILE_ATTRIBUTE_ARCHIVE));
}

}  // namespace vindel
