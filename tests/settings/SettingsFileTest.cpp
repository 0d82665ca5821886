// SPDX-License-Identifier: MIT
#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

#include <sddl.h>
#else
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "FailureText.h"
#include "FakeTextField.h"
#include "ScratchDirectory.h"
#include "common/Exception.h"
#include "common/MatrixSetup.h"
#include "settings/FileAccess.h"
#ifdef _WIN32
#include "common/Win32.h"
#endif

namespace vindel {
namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
// What the messages show for a Windows error: the system's text without its
// final period.
std::u16string Description(DWORD error) {
    std::u16string text = SystemErrorText(error);
    while (!text.empty() && text.back() == u'.')
        text.pop_back();
    return text;
}

const std::u16string kIsADirectory = Description(ERROR_ACCESS_DENIED);
const std::u16string kReadOnly = Description(ERROR_ACCESS_DENIED);

void SetReadOnly(const char* name, bool on) {
    const std::wstring wide = fs::path(name).wstring();
    SetFileAttributesW(wide.c_str(), on ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}
#else
const std::u16string kIsADirectory = u"Is a directory";
const std::u16string kReadOnly = u"Permission denied";

void SetReadOnly(const char* name, bool on) {
    ::chmod(name, on ? 0444 : 0644);
}
#endif

using Field = testing::FakeTextField;

// Each test runs in a fresh working directory with fresh shared state.
class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        MatrixSetup = {};
        SettingsList.Clear();
    }

    static void WriteFile(const std::string& bytes) {
        std::ofstream(kSettingsFileName, std::ios::binary) << bytes;
    }
    static std::string ReadFile() {
        std::ifstream in(kSettingsFileName, std::ios::binary);
        std::stringstream content;
        content << in.rdbuf();
        return content.str();
    }
    static void WriteExample() {
        MatrixSetup.ModelName = u"SG300-10";
        MatrixSetup.InputCount = 4;
        MatrixSetup.OutputCount = 4;
        WriteNewSettingsFile(Field(u"192.168.1.254"), Field(), Field());
    }
    fs::path FilePath() const { return directory_ / kSettingsFileName; }

    // Letters outside ASCII, so that the path is carried through the
    // platform's calls and into the messages as the text it is.
    testing::ScratchDirectory scratch_{u8"settings-\u00FC\u0416"};
    const fs::path& directory_ = scratch_.path();
};

using testing::FailureText;

std::string ExampleFile() {
    std::string expected = "0\r\nSG300-10\r\n4\r\n4\r\n192.168.1.254\r\n\r\n\r\n";
    for (int k = 0; k < 51; ++k)
        expected += "0\r\n";
    for (int k = 1; k <= 51; ++k)
        expected += "Output" + std::to_string(k) + "\r\n";
    for (int k = 1; k <= 51; ++k)
        expected += "Input" + std::to_string(k) + "\r\n";
    return expected;
}

TEST_F(SettingsFileTest, WritesTheExactFile) {
    WriteExample();
    const std::string content = ReadFile();
    EXPECT_EQ(content.size(), 1142u);
    EXPECT_EQ(content, ExampleFile());
    EXPECT_NE(content.find("\r\nOutput9\r\nOutput10\r\n"), std::string::npos);
    EXPECT_EQ(MatrixSetup.HostAddress, u"192.168.1.254");
    EXPECT_TRUE(SettingsList.Lines().empty());  // the new file is built beside it
}

TEST_F(SettingsFileTest, NoModelChosenAndEightBitTexts) {
    WriteNewSettingsFile(Field(u"switch"), Field(u"admin"), Field(u"p\u00E4ss\u20AC\u0416"));
    const std::string content = ReadFile();
    EXPECT_TRUE(content.starts_with("0\r\n\r\n0\r\n0\r\nswitch\r\nadmin\r\np\xE4ss\x80?\r\n0\r\n"));
}

#ifndef _WIN32
TEST_F(SettingsFileTest, NewFileIsPrivateAndExistingFileKeepsItsMode) {
    WriteExample();
    EXPECT_EQ(fs::status(FilePath()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    ::chmod(kSettingsFileName, 0644);
    WriteExample();
    EXPECT_EQ(fs::status(FilePath()).permissions() & fs::perms::all, static_cast<fs::perms>(0644));
}
#endif

TEST_F(SettingsFileTest, ReadSettingsFileFillsBoxesUpToTheMissingLine) {
    Field edit1(u"typed"), edit2(u"login"), edit3(u"secret");
    ReadSettingsFile(edit1, edit2, edit3);  // no file: nothing changes
    EXPECT_EQ(edit1.Text(), u"typed");

    WriteFile("0\nSG300-20\n1\n2\n10.0.0.9\n");
    EXPECT_EQ(FailureText<EStringListError>([&] { ReadSettingsFile(edit1, edit2, edit3); }),
              u"List index out of bounds (5)");
    EXPECT_EQ(edit1.Text(), u"10.0.0.9");
    EXPECT_EQ(edit2.Text(), u"login");
    EXPECT_EQ(edit3.Text(), u"secret");

    for (const char* unreadable : {"",
                                   "\xEF\xBB\xBF"
                                   "0\r\n\xC3(\r\n"}) {
        WriteFile(unreadable);
        EXPECT_EQ(FailureText<EStringListError>([&] { ReadSettingsFile(edit1, edit2, edit3); }),
                  u"List index out of bounds (4)");
    }

    WriteExample();
    ReadSettingsFile(edit1, edit2, edit3);
    EXPECT_EQ(edit1.Text(), u"192.168.1.254");
    EXPECT_EQ(edit2.Text(), u"");
    EXPECT_EQ(SettingsList.Count(), 160);
}

TEST_F(SettingsFileTest, LoadMatrixSetupAssignsFieldByField) {
    MatrixSetup.InputCount = 9;
    WriteFile("1\r\nSG300-28\r\nabc\r\n4\r\nhost\r\n");
    EXPECT_EQ(FailureText<EConvertError>(LoadMatrixSetup), u"''abc'' is not a valid integer value");
    EXPECT_EQ(MatrixSetup.SetupFlag, 1);
    EXPECT_EQ(MatrixSetup.ModelName, u"SG300-28");
    EXPECT_EQ(MatrixSetup.InputCount, 9);
    EXPECT_EQ(MatrixSetup.HostAddress, u"");

    WriteFile("\r\n");
    EXPECT_EQ(FailureText<EConvertError>(LoadMatrixSetup), u"'''' is not a valid integer value");
    WriteFile("");
    EXPECT_EQ(FailureText<EStringListError>(LoadMatrixSetup), u"List index out of bounds (0)");
    WriteFile("0\r\nm\r\n3\r\n4\r\nh\r\nl\r\n");
    EXPECT_EQ(FailureText<EStringListError>(LoadMatrixSetup), u"List index out of bounds (6)");
    EXPECT_EQ(MatrixSetup.LoginName, u"l");

    WriteExample();
    MatrixSetup = {};
    LoadMatrixSetup();
    EXPECT_EQ(MatrixSetup.ModelName, u"SG300-10");
    EXPECT_EQ(MatrixSetup.InputCount, 4);
    EXPECT_EQ(MatrixSetup.OutputCount, 4);
    EXPECT_EQ(MatrixSetup.HostAddress, u"192.168.1.254");
    EXPECT_EQ(MatrixSetup.PortCount, 0);  // not stored in the file
}

TEST_F(SettingsFileTest, MarkSetupCompleteChangesOnlyLineOne) {
    WriteExample();
    LoadMatrixSetup();
    MarkSetupComplete();
    EXPECT_EQ(ReadFile(), "1" + ExampleFile().substr(1));

    // A file with the UTF-8 mark and LF breaks comes back without the mark, with CR LF.
    WriteFile(
        "\xEF\xBB\xBF"
        "0\nSG300-52\n1\n2\nh\xC3\xA9\nl\np\n");
    LoadMatrixSetup();
    MarkSetupComplete();
    EXPECT_EQ(ReadFile(), "1\r\nSG300-52\r\n1\r\n2\r\nh\xE9\r\nl\r\np\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(directory_), fs::directory_iterator{}), 1)
        << "the file the new content was written to is left behind";
}

TEST_F(SettingsFileTest, MarkSetupCompleteWithNothingLoaded) {
    EXPECT_EQ(FailureText<EStringListError>(MarkSetupComplete), u"List index out of bounds (1)");
    EXPECT_FALSE(fs::exists(FilePath()));
    EXPECT_EQ(SettingsList.Lines(), std::vector<std::u16string>{u"1"});
}

TEST_F(SettingsFileTest, DirectoryOfThatNameIsAbsentAndCannotBeWritten) {
    fs::create_directory(kSettingsFileName);
    EXPECT_FALSE(FileIsPresent(kSettingsFileName));
    LoadMatrixSetup();  // absent: nothing happens
    EXPECT_EQ(FailureText<EFCreateError>([] { WriteExample(); }),
              u"Cannot create file \"" + FilePath().u16string() + u"\". " + kIsADirectory);
}

// A settings file is about 1 KiB; one far beyond that is refused with a
// message, before it is read into memory whole.
TEST_F(SettingsFileTest, FileFarLargerThanAnySettingsFileIsRefused) {
    std::string content = ExampleFile();
    content.resize(kLargestFileRead, '0');
    WriteFile(content);
    Field edit1, edit2, edit3;
    ReadSettingsFile(edit1, edit2, edit3);
    EXPECT_EQ(edit1.Text(), u"192.168.1.254");

    WriteFile(content + "0");
    edit1.SetText(u"kept");
    EXPECT_EQ(FailureText<EFOpenError>([&] { ReadSettingsFile(edit1, edit2, edit3); }),
              u"Cannot open file \"" + FilePath().u16string() +
                  u"\". File too large for a settings file");
    EXPECT_EQ(edit1.Text(), u"kept");
    EXPECT_EQ(FailureText<EFOpenError>([] { LoadMatrixSetup(); }),
              u"Cannot open file \"" + FilePath().u16string() +
                  u"\". File too large for a settings file");
}

TEST_F(SettingsFileTest, ReadOnlyFileIsRefusedAndKept) {
    WriteFile("old content\r\n");
    SetReadOnly(kSettingsFileName, true);
    EXPECT_EQ(FailureText<EFCreateError>([] { WriteExample(); }),
              u"Cannot create file \"" + FilePath().u16string() + u"\". " + kReadOnly);
    EXPECT_EQ(ReadFile(), "old content\r\n");
    SetReadOnly(kSettingsFileName, false);  // Windows won't remove it otherwise
}

#ifndef _WIN32

TEST_F(SettingsFileTest, FailedWriteLeavesThePreviousFile) {
    WriteFile("previous\r\n");
    // Limit the size a file may grow to, so the write stops part-way. The
    // save itself keeps the limit's signal from ending the program.
    rlimit old_limit{};
    ::getrlimit(RLIMIT_FSIZE, &old_limit);
    rlimit small = old_limit;
    small.rlim_cur = 500;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const auto text = FailureText<EWriteError>([] { WriteExample(); });
    ::setrlimit(RLIMIT_FSIZE, &old_limit);
    EXPECT_EQ(text, u"Stream write error");
    EXPECT_EQ(ReadFile(), "previous\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(directory_), fs::directory_iterator{}), 1)
        << "the partly written file was left behind";
}

TEST_F(SettingsFileTest, MissingWorkingDirectoryCannotBeWritten) {
    fs::path gone = directory_ / "gone";
    fs::create_directory(gone);
    fs::current_path(gone);
    fs::remove(gone);
    EXPECT_THROW(WriteExample(), EFCreateError);
    fs::current_path(directory_);
}

TEST_F(SettingsFileTest, PresentButUnopenableFile) {
    // A socket of that name is present, but no file can be opened on it.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", kSettingsFileName);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    Field edit1, edit2, edit3;
    EXPECT_EQ(FailureText<EFOpenError>([&] { ReadSettingsFile(edit1, edit2, edit3); }),
              u"Cannot open file \"" + FilePath().u16string() + u"\". No such device or address");
    ::close(fd);
}

#else
// Another program's handle on the file, as the sharing rules see it.
class OtherProgram final {
  public:
    OtherProgram(DWORD access, DWORD sharing)
        : handle_(CreateFileW(fs::path(kSettingsFileName).wstring().c_str(), access, sharing,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    bool IsOpen() const { return static_cast<bool>(handle_); }

  private:
    UniqueHandle handle_;
};

TEST_F(SettingsFileTest, FileAnotherProgramWritesCannotBeReadOrReplaced) {
    WriteExample();
    const OtherProgram writer(GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(writer.IsOpen());
    Field edit1, edit2, edit3;
    EXPECT_EQ(FailureText<EFOpenError>([&] { ReadSettingsFile(edit1, edit2, edit3); }),
              u"Cannot open file \"" + FilePath().u16string() + u"\". " +
                  Description(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(edit1.Text(), u"");
    EXPECT_EQ(FailureText<EFCreateError>([] { WriteExample(); }),
              u"Cannot create file \"" + FilePath().u16string() + u"\". " +
                  Description(ERROR_SHARING_VIOLATION));
}

// A second name of the file would keep the old content if a new file took
// its place, so the file is written in place. (SaveTest.cpp has the POSIX
// cases.)
TEST_F(SettingsFileTest, FileWithASecondNameIsWrittenInPlace) {
    WriteFile("old content\r\n");
    fs::create_hard_link(kSettingsFileName, "other.ini");
    WriteExample();
    EXPECT_EQ(ReadFile(), ExampleFile());
    std::ifstream other("other.ini", std::ios::binary);
    std::stringstream content;
    content << other.rdbuf();
    EXPECT_EQ(content.str(), ExampleFile());
}

// The process's user, whom a new settings file belongs to alone.
std::vector<unsigned char> TokenUser() {
    HANDLE token = nullptr;
    OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
    const UniqueHandle owned(token);
    DWORD size = 0;
    GetTokenInformation(token, ::TokenUser, nullptr, 0, &size);
    std::vector<unsigned char> user(size);
    GetTokenInformation(token, ::TokenUser, user.data(), size, &size);
    return user;
}

// The access list's entries as (allowed, mask, SID text), and whether it is
// protected from the folder's.
struct Access final {
    bool is_protected = false;
    std::vector<std::wstring> entries;
};

std::wstring SidText(PSID sid) {
    LPWSTR text = nullptr;
    if (!ConvertSidToStringSidW(sid, &text))
        return L"?";
    std::wstring result = text;
    LocalFree(text);
    return result;
}

Access AccessOf(const char* name) {
    const std::wstring wide = fs::path(name).wstring();
    DWORD size = 0;
    GetFileSecurityW(wide.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &size);
    std::vector<unsigned char> descriptor(size);
    Access access;
    if (size == 0 ||
        !GetFileSecurityW(wide.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), size, &size))
        return access;
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    GetSecurityDescriptorControl(descriptor.data(), &control, &revision);
    access.is_protected = (control & SE_DACL_PROTECTED) != 0;
    BOOL present = FALSE, defaulted = FALSE;
    PACL dacl = nullptr;
    GetSecurityDescriptorDacl(descriptor.data(), &present, &dacl, &defaulted);
    for (DWORD i = 0; present && dacl != nullptr && i < dacl->AceCount; ++i) {
        void* ace = nullptr;
        GetAce(dacl, i, &ace);
        const auto* allowed = static_cast<const ACCESS_ALLOWED_ACE*>(ace);
        access.entries.push_back(
            (allowed->Header.AceType == ACCESS_ALLOWED_ACE_TYPE ? L"allow " : L"other ") +
            std::to_wstring(allowed->Mask) + L" " +
            SidText(const_cast<DWORD*>(&allowed->SidStart)));
    }
    return access;
}

// Whether anyone but `me` and the system may open the file at all.
bool SharedBeyond(const Access& access, const std::wstring& me) {
    for (const std::wstring& entry : access.entries) {
        const std::wstring sid = entry.substr(entry.rfind(L' ') + 1);
        if (entry.starts_with(L"allow ") && sid != me && sid != L"S-1-5-18")
            return true;
    }
    return false;
}

// A new file is the operator's alone, whatever the folder hands down; a file
// that is there keeps its access list and its attributes. (Wine keeps no
// access list of its own: it shows one made from the Unix permissions, with
// the system's entry, and sets those permissions from the list it is given.
// So under wine this shows that the permissions come out right and stay.)
TEST_F(SettingsFileTest, NewFileIsPrivateToItsOwnerAndAnExistingOneKeepsItsSecurity) {
    const std::vector<unsigned char> user = TokenUser();
    ASSERT_FALSE(user.empty());
    const std::wstring me = SidText(reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid);
    std::ofstream("ordinary.ini") << "x";
    const bool ordinary_is_shared = SharedBeyond(AccessOf("ordinary.ini"), me);
    fs::remove("ordinary.ini");
    WriteExample();
    const Access created = AccessOf(kSettingsFileName);
    ASSERT_FALSE(created.entries.empty());
    EXPECT_FALSE(SharedBeyond(created, me)) << "a new file others may read";
    if (!ordinary_is_shared)
        std::cout << "(the folder's files aren't shared here either)\n";

    // Shared on purpose: the operator's own and everyone's reading, hidden.
    const std::wstring shared = L"D:P(A;;FA;;;" + me + L")(A;;FR;;;WD)";
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(
        shared.c_str(), SDDL_REVISION_1, &descriptor, nullptr));
    const std::wstring wide = fs::path(kSettingsFileName).wstring();
    ASSERT_TRUE(SetFileSecurityW(wide.c_str(), DACL_SECURITY_INFORMATION, descriptor));
    LocalFree(descriptor);
    const Access before = AccessOf(kSettingsFileName);
    ASSERT_TRUE(SharedBeyond(before, me)) << "the file's access list can't be set here";
    ASSERT_TRUE(SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_HIDDEN));
    MatrixSetup.InputCount = 2;
    WriteNewSettingsFile(Field(u"10.0.0.1"), Field(), Field());
    EXPECT_EQ(ReadFile().substr(0, 17), "0\r\nSG300-10\r\n2\r\n4");
    EXPECT_EQ(AccessOf(kSettingsFileName).entries, before.entries);
    EXPECT_NE(GetFileAttributesW(wide.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_EQ(std::distance(fs::directory_iterator(directory_), fs::directory_iterator{}), 1);
}

bool RunningUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// Starts a Unix program, which wine can do; it is no Windows process, so
// the caller waits for what it does.
bool RunUnix(const wchar_t* program, std::wstring command) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

// A symbolic link `name` to `target`, or the reason there is none. Windows
// makes one where the user may (developer mode, or an administrator); wine
// can't, but runs a Unix ln for it.
std::string MakeLink(const std::wstring& target, const std::wstring& name) {
    std::error_code error;
    fs::create_symlink(target, name, error);
    if (!error)
        return "";
    if (!RunningUnderWine())
        return error.message();
    if (!RunUnix(L"Z:\\bin\\ln", L"ln -s " + target + L" " + name))
        return "no Unix ln to run";
    // The Unix program is no Windows process to wait for, and wine shows its
    // link as a plain file: the link is there once the name reads as its
    // target.
    std::ifstream target_file(fs::path(target), std::ios::binary);
    std::stringstream expected;
    expected << target_file.rdbuf();
    for (int i = 0; i < 5000; ++i) {
        std::ifstream linked(fs::path(name), std::ios::binary);
        std::stringstream content;
        content << linked.rdbuf();
        if (linked && content.str() == expected.str())
            return "";
        Sleep(1);
    }
    return "the Unix ln made no link";
}

std::string Content(const char* name) {
    std::ifstream file(name, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

// A link is followed, as on Linux: its target gets the content and the link
// stays, so both names read the same; and a link to no file creates its
// target. (Replacing the link instead would leave the target as it was, or,
// as wine's ReplaceFileW does, delete it.)
TEST_F(SettingsFileTest, LinkIsWrittenThroughAndALinkToNoFileCreatesItsTarget) {
    std::ofstream("target.ini", std::ios::binary) << "old\r\n";
    const std::string why = MakeLink(L"target.ini", L"Vindel.ini");
    if (!why.empty())
        GTEST_SKIP() << "no symbolic link can be made here: " << why;
    WriteExample();
    EXPECT_EQ(Content("target.ini"), ExampleFile());
    EXPECT_EQ(std::distance(fs::directory_iterator(directory_), fs::directory_iterator{}), 2);

    fs::remove("target.ini");
    MatrixSetup.InputCount = 9;
    WriteNewSettingsFile(Field(), Field(), Field());
    EXPECT_EQ(Content("target.ini").substr(0, 17), "0\r\nSG300-10\r\n9\r\n4");
    EXPECT_EQ(ReadFile(), Content("target.ini"));
    EXPECT_EQ(std::distance(fs::directory_iterator(directory_), fs::directory_iterator{}), 2);
    // Wine's DeleteFileW would delete the target, not the link.
    if (RunningUnderWine() && RunUnix(L"Z:\\bin\\rm", L"rm Vindel.ini")) {
        for (int i = 0; i < 5000 && std::distance(fs::directory_iterator(directory_),
                                                  fs::directory_iterator{}) != 1;
             ++i)
            Sleep(1);
    }
}

// On a full disk the save fails with "Stream write error", and the folder
// holds the old file and nothing else. A small disk stands in: see
// with-small-disk.sh, which names its folder in VINDEL_SMALL_DISK.
TEST_F(SettingsFileTest, FullDiskKeepsTheOldFileAndLeavesNothingBehind) {
    const char* disk = std::getenv("VINDEL_SMALL_DISK");
    if (disk == nullptr || *disk == '\0') {
        const char* required = std::getenv("VINDEL_REQUIRE_REAL_PEERS");
        if (required != nullptr && std::string(required) == "1")
            FAIL() << "no small disk (with-small-disk.sh needs root to mount one)";
        GTEST_SKIP() << "no small disk: with-small-disk.sh needs root to mount one";
    }
    const fs::path folder = fs::path(disk) / "full";
    fs::create_directory(folder);
    fs::current_path(folder);
    WriteFile("previous\r\n");
    {
        // Fill what is left.
        const UniqueHandle filler(CreateFileW(L"filler", GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                              FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(static_cast<bool>(filler));
        const std::string chunk(512, 'x');
        DWORD written = 0;
        for (int i = 0;
             i < 100000 && ::WriteFile(filler.get(), chunk.data(), 512, &written, nullptr) &&
             written == 512;
             ++i) {
        }
    }
    const auto text = FailureText<EWriteError>([] { WriteExample(); });
    EXPECT_EQ(text, u"Stream write error");
    EXPECT_EQ(ReadFile(), "previous\r\n");
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{kSettingsFileName, "filler"}));
    fs::current_path(directory_);
    fs::remove_all(folder);
}

// While Vindel reads, others may read too; while another program reads, the
// file is not replaced under it.
TEST_F(SettingsFileTest, OtherReadersShareTheFileButKeepItFromBeingReplaced) {
    WriteExample();
    const OtherProgram reader(GENERIC_READ, FILE_SHARE_READ);
    ASSERT_TRUE(reader.IsOpen());
    Field edit1, edit2, edit3;
    ReadSettingsFile(edit1, edit2, edit3);
    EXPECT_EQ(edit1.Text(), u"192.168.1.254");
    MatrixSetup.InputCount = 7;
    EXPECT_EQ(FailureText<EFCreateError>([] { WriteNewSettingsFile(Field(), Field(), Field()); }),
              u"Cannot create file \"" + FilePath().u16string() + u"\". " +
                  Description(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(ReadFile(), ExampleFile());
    EXPECT_EQ(std::distance(fs::directory_iterator(directory_), fs::directory_iterator{}), 1);
}
#endif

}  // namespace
}  // namespace vindel
