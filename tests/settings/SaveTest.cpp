// SPDX-License-Identifier: MIT
// Saving the settings file over whatever stands in its place: where the new
// content is renamed over the old file, where the old file is written in
// place, and what is refused. Each save runs in a process of its own, as the
// test's user or, as root, as an ordinary user, with a file-size limit where
// the case asks for one.
#include <grp.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "ScratchDirectory.h"
#include "common/Exception.h"
#include "settings/FileAccess.h"
#include "settings/SettingsFile.h"

namespace vindel {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFile = kSettingsFileName;
const std::string kOldContent = "old content\r\n";
// Twice the size limit of the cases that have one, so the write stops
// part-way.
const std::string kNewContent =
    "0\r\nSG300-10\r\n4\r\n4\r\n10.0.0.1\r\nadmin\r\nsecret" + std::string(1000 - 45, '0');
constexpr rlim_t kSizeLimit = 500;

// Who saves: the test's own user, or nobody, who owns nothing here, with no
// further groups or with the group that shares the file.
enum class Saver { Self, Ordinary, GroupMember };

struct Ids {
    uid_t uid = 0;
    gid_t gid = 0;
    gid_t shared_group = 0;
};

Ids OrdinaryUser() {
    Ids ids;
    if (const passwd* nobody = ::getpwnam("nobody")) {
        ids.uid = nobody->pw_uid;
        ids.gid = nobody->pw_gid;
    }
    const group* users = ::getgrnam("users");
    ids.shared_group = users != nullptr ? users->gr_gid : 100;
    return ids;
}

// Gives up root for good, as setpriv --reuid --regid --groups does.
bool Become(Saver saver) {
    if (saver == Saver::Self)
        return true;
    const Ids ids = OrdinaryUser();
    std::vector<gid_t> groups;
    if (saver == Saver::GroupMember)
        groups.push_back(ids.shared_group);
    return ids.uid != 0 && ::setgroups(groups.size(), groups.data()) == 0 &&
           ::setresgid(ids.gid, ids.gid, ids.gid) == 0 &&
           ::setresuid(ids.uid, ids.uid, ids.uid) == 0;
}

// What the save gives: "saved", or the failure's kind and text.
std::string Save(Saver saver, bool size_limit) {
    if (!Become(saver))
        return "could not become an ordinary user";
    // The default action of the limit's signal ends the process: only the
    // save itself may keep it alive.
    std::signal(SIGXFSZ, SIG_DFL);
    if (size_limit) {
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = kSizeLimit;
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return "could not limit the file size";
    }
    try {
        ReplaceWholeFile(kFile, kNewContent);
        return "saved";
    } catch (const EFCreateError& e) {
        return std::string("EFCreateError: ") + e.what();
    } catch (const EWriteError& e) {
        return std::string("EWriteError: ") + e.what();
    } catch (const Exception& e) {
        return std::string("Exception: ") + e.what();
    }
}

// Save() in a child process, so that the identity, the limit and the signal
// stay there; also says how the child ended if it didn't end normally.
std::string SaveInChild(Saver saver, bool size_limit) {
    int channel[2];
    if (::pipe(channel) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        const std::string outcome = Save(saver, size_limit);
        [[maybe_unused]] const ssize_t written =
            ::write(channel[1], outcome.data(), outcome.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string outcome;
    char chunk[512];
    ssize_t got = 0;
    while ((got = ::read(channel[0], chunk, sizeof chunk)) > 0)
        outcome.append(chunk, static_cast<std::size_t>(got));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFSIGNALED(status))
        return "ended by signal " + std::to_string(WTERMSIG(status));
    return outcome;
}

std::string Content(const char* name) {
    std::ifstream in(name, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteOld(const char* name = kFile) {
    std::ofstream(name, std::ios::binary) << kOldContent;
}

struct stat Info(const char* name) {
    struct stat info {};
    ::lstat(name, &info);
    return info;
}

std::string Attribute(const char* name) {
    char value[64] = {};
    const ssize_t size = ::getxattr(name, "user.vindel", value, sizeof value);
    return size < 0 ? "none" : std::string(value, static_cast<std::size_t>(size));
}

struct SaveCase {
    const char* what;
    bool needs_root;  // device nodes, other owners, other users
    Saver saver;
    bool size_limit;
    std::function<void()> arrange;  // in the case's folder, as the test's user
    // "saved" (the file then reads the new content), or the failure's kind
    // and text, in which {file} stands for the file's full path.
    std::string outcome;
    std::function<void()> check;
};

const std::string kRefused =
    "EFCreateError: Cannot create file \"{file}\". Operation not permitted";
const std::string kWriteError = "EWriteError: Stream write error";

// One table for every case; `old_inode` tells a file written in place from
// one replaced by a new file.
std::vector<SaveCase> SaveCases(ino_t& old_inode) {
    const auto keep_inode = [&old_inode] { old_inode = Info(kFile).st_ino; };
    const auto same_file = [&old_inode] { EXPECT_EQ(Info(kFile).st_ino, old_inode); };
    const Ids nobody = OrdinaryUser();
    return {
        {"no file yet: a new one, private to its owner", false, Saver::Self, false, [] {}, "saved",
         [] { EXPECT_EQ(Info(kFile).st_mode & 07777, 0600u); }},
        {"the owner's file is replaced whole and keeps its mode", false, Saver::Self, false,
         [=] {
             WriteOld();
             ::chmod(kFile, 0640);
             keep_inode();
         },
         "saved",
         [=] {
             EXPECT_NE(Info(kFile).st_ino, old_inode);
             EXPECT_EQ(Info(kFile).st_mode & 07777, 0640u);
         }},
        {"a size limit stops the new file: the old one stays", false, Saver::Self, true,
         [] { WriteOld(); }, kWriteError, [] { EXPECT_EQ(Content(kFile), kOldContent); }},
        {"a file with a second name is written in place, for both names", false, Saver::Self, false,
         [=] {
             WriteOld();
             ::link(kFile, "other.ini");
             keep_inode();
         },
         "saved",
         [=] {
             same_file();
             EXPECT_EQ(Content("other.ini"), kNewContent);
         }},
        {"in place, a size limit leaves what was written", false, Saver::Self, true,
         [] {
             WriteOld();
             ::link(kFile, "other.ini");
         },
         kWriteError, [] { EXPECT_EQ(Content(kFile), kNewContent.substr(0, kSizeLimit)); }},
        {"a file with an extended attribute keeps it", false, Saver::Self, false,
         [=] {
             WriteOld();
             EXPECT_EQ(::setxattr(kFile, "user.vindel", "kept", 4, 0), 0);
             keep_inode();
         },
         "saved",
         [=] {
             same_file();
             EXPECT_EQ(Attribute(kFile), "kept");
         }},
        {"a link to no file creates its target", false, Saver::Self, false,
         [] { ::symlink("target.ini", kFile); }, "saved",
         [] {
             EXPECT_TRUE(S_ISLNK(Info(kFile).st_mode));
             EXPECT_TRUE(S_ISREG(Info("target.ini").st_mode));
             EXPECT_EQ(Info("target.ini").st_mode & 07777, 0600u);
         }},
        {"a pipe is refused without waiting for a reader", false, Saver::Self, false,
         [] { ::mkfifo(kFile, 0666); }, kRefused,
         [] { EXPECT_TRUE(S_ISFIFO(Info(kFile).st_mode)); }},
        {"a socket is refused", false, Saver::Self, false,
         [] {
             const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             std::snprintf(address.sun_path, sizeof address.sun_path, "%s", kFile);
             EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
             ::close(fd);
         },
         kRefused, [] { EXPECT_TRUE(S_ISSOCK(Info(kFile).st_mode)); }},
        {"root: a link to a device node is refused, the device untouched", true, Saver::Self, false,
         [] {
             // The null device's numbers: harmless even if it were written.
             EXPECT_EQ(::mknod("device", S_IFCHR | 0600, ::makedev(1, 3)), 0);
             ::symlink("device", kFile);
         },
         kRefused,
         [] {
             EXPECT_TRUE(S_ISCHR(Info("device").st_mode));
             EXPECT_EQ(Info("device").st_rdev, ::makedev(1, 3));
             EXPECT_EQ(Info("device").st_mode & 07777, 0600u);
         }},
        {"a writable file in a folder the saver may not write is written in place", true,
         Saver::Ordinary, false,
         [=] {
             WriteOld();
             ::chown(kFile, nobody.uid, nobody.gid);
             ::chmod(".", 0555);
             keep_inode();
         },
         "saved", same_file},
        {"someone else's file in a sticky shared folder is written in place", true, Saver::Ordinary,
         false,
         [=] {
             WriteOld();
             ::chmod(kFile, 0666);
             ::chmod(".", 01777);
             keep_inode();
         },
         "saved",
         [=] {
             same_file();
             EXPECT_EQ(Info(kFile).st_uid, 0u);
         }},
        {"a file shared with a group keeps owner, group, mode, attributes and links", true,
         Saver::GroupMember, false,
         [=] {
             WriteOld();
             ::chown(kFile, 0, nobody.shared_group);
             ::chmod(kFile, 0664);
             EXPECT_EQ(::setxattr(kFile, "user.vindel", "kept", 4, 0), 0);
             ::link(kFile, "other.ini");
             ::chmod(".", 0777);  // a new file could be renamed over it
             keep_inode();
         },
         "saved",
         [=] {
             same_file();
             const struct stat info = Info(kFile);
             EXPECT_EQ(info.st_uid, 0u);
             EXPECT_EQ(info.st_gid, nobody.shared_group);
             EXPECT_EQ(info.st_mode & 07777, 0664u);
             EXPECT_EQ(Attribute(kFile), "kept");
             EXPECT_EQ(Content("other.ini"), kNewContent);
         }},
        {"root: a folder that hands its group to new files gets the file written in place", true,
         Saver::Self, false,
         [=] {
             WriteOld();
             ::chown(".", 0, nobody.shared_group);
             ::chmod(".", 02775);
             keep_inode();
         },
         "saved",
         [=] {
             same_file();
             EXPECT_EQ(Info(kFile).st_gid, 0u);
         }},
        {"in place for an ordinary user, a size limit gives the write error", true, Saver::Ordinary,
         true,
         [nobody] {
             WriteOld();
             ::chown(kFile, nobody.uid, nobody.gid);
             ::chmod(".", 0555);
         },
         kWriteError, [] { EXPECT_EQ(Content(kFile), kNewContent.substr(0, kSizeLimit)); }},
    };
}

std::string WithPath(std::string outcome, const fs::path& file) {
    if (const auto at = outcome.find("{file}"); at != std::string::npos)
        outcome.replace(at, 6, file.string());
    return outcome;
}

// Runs the cases that do or don't need root, each in a folder of its own.
void RunSaveCases(bool as_root) {
    const testing::ScratchDirectory scratch("save");
    fs::permissions(scratch.path(), static_cast<fs::perms>(0755));
    ino_t old_inode = 0;
    const std::vector<SaveCase> cases = SaveCases(old_inode);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const SaveCase& c = cases[i];
        if (c.needs_root != as_root)
            continue;
        SCOPED_TRACE(c.what);
        const fs::path folder = scratch.path() / ("case-" + std::to_string(i));
        fs::create_directory(folder);
        fs::permissions(folder, static_cast<fs::perms>(0755));
        fs::current_path(folder);
        c.arrange();
        EXPECT_EQ(SaveInChild(c.saver, c.size_limit), WithPath(c.outcome, folder / kFile));
        if (c.outcome == "saved") {
            EXPECT_EQ(Content(kFile), kNewContent);
        }
        c.check();
        for (const auto& entry : fs::directory_iterator(folder))
            EXPECT_FALSE(entry.path().filename().string().starts_with(".Vindel.ini."))
                << "left behind: " << entry.path();
        fs::current_path(scratch.path());
    }
}

TEST(Save, EveryKindOfTarget) {
    RunSaveCases(false);
}

TEST(Save, AsRootAndAsOrdinaryUsers) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root, to make a device node and to save as another user";
    if (OrdinaryUser().uid == 0)
        GTEST_SKIP() << "no user nobody to save as";
    RunSaveCases(true);
}

}  // namespace
}  // namespace vindel
