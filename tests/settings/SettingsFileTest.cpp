// SPDX-License-Identifier: MIT
#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <sstream>

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
