// SPDX-License-Identifier: MIT
// The Windows program's resources, linked into this test program as into
// Vindel.exe and read back through the system's resource functions under
// wine: the pictures under the names the windows look them up by, the
// program icon, the version information, and the manifest, which the loader
// has applied when the test starts.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "ResourceNames.h"

namespace {

std::string_view ResourceBytes(const wchar_t* name, const wchar_t* type) {
    const HRSRC found = FindResourceW(nullptr, name, type);
    if (found == nullptr)
        return {};
    const HGLOBAL loaded = LoadResource(nullptr, found);
    return {static_cast<const char*>(LockResource(loaded)), SizeofResource(nullptr, found)};
}

std::uint32_t LittleEndian(std::string_view bytes, size_t at, size_t size) {
    std::uint32_t value = 0;
    for (size_t i = size; i-- > 0;)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

struct Picture {
    const wchar_t* name;
    std::uint32_t width;
    std::uint32_t height;
};

// Each front picture has a width of its own, so a picture filed under another
// model's name shows here.
TEST(Win32Resources, FrontPicturesAre24BitBitmapFilesOfTheirModels) {
    const Picture pictures[] = {
        {vindel::resource_names::kSg300_10, 501, 85},
        {vindel::resource_names::kSg300_20, 807, 85},
        {vindel::resource_names::kSg300_28, 828, 85},
        {vindel::resource_names::kSg300_52, 829, 85},
    };
    for (const Picture& picture : pictures) {
        SCOPED_TRACE(testing::Message() << picture.name);
        const std::string_view bmp = ResourceBytes(picture.name, RT_RCDATA);
        ASSERT_GT(bmp.size(), 54u) << "no RCDATA resource";
        EXPECT_EQ(bmp.substr(0, 2), "BM");
        EXPECT_EQ(LittleEndian(bmp, 18, 4), picture.width);
        EXPECT_EQ(LittleEndian(bmp, 22, 4), picture.height);
        EXPECT_EQ(LittleEndian(bmp, 28, 2), 24u);
    }
}

TEST(Win32Resources, BannerIsA24BitBitmapFile) {
    const std::string_view bmp = ResourceBytes(vindel::resource_names::kBanner, RT_RCDATA);
    ASSERT_GT(bmp.size(), 54u) << "no RCDATA resource";
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(LittleEndian(bmp, 2, 4), bmp.size()) << "file size in the header";
    EXPECT_EQ(LittleEndian(bmp, 18, 4), 999u);
    EXPECT_EQ(LittleEndian(bmp, 22, 4), 33u);
    EXPECT_EQ(LittleEndian(bmp, 28, 2), 24u);
}

// An icon group lists its images: count, then per image width, height, colour
// count, reserved, planes, bits per pixel, size and id (GRPICONDIR).
TEST(Win32Resources, MainIconIsOne48By48ImageOf32Bits) {
    const std::string_view group = ResourceBytes(vindel::resource_names::kIcon, RT_GROUP_ICON);
    ASSERT_GE(group.size(), 6u + 14u) << "no icon group MAINICON";
    EXPECT_EQ(LittleEndian(group, 4, 2), 1u) << "images in the group";
    EXPECT_EQ(static_cast<unsigned char>(group[6]), 48);
    EXPECT_EQ(static_cast<unsigned char>(group[7]), 48);
    EXPECT_EQ(LittleEndian(group, 6 + 6, 2), 32u) << "bits per pixel";

    const HICON icon =
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), vindel::resource_names::kIcon,
                                      IMAGE_ICON, 48, 48, LR_DEFAULTCOLOR));
    ASSERT_NE(icon, nullptr);
    DestroyIcon(icon);
}

std::wstring VersionText(const std::string& block, const wchar_t* key) {
    void* value = nullptr;
    UINT size = 0;
    const std::wstring path = L"\\StringFileInfo\\040904B0\\" + std::wstring(key);
    if (!VerQueryValueW(block.data(), path.c_str(), &value, &size) || size == 0)
        return {};
    return static_cast<const wchar_t*>(value);
}

TEST(Win32Resources, VersionInformationNamesTheProductAndItsVersion) {
    wchar_t program[MAX_PATH];
    ASSERT_NE(GetModuleFileNameW(nullptr, program, MAX_PATH), 0u);
    DWORD ignored = 0;
    std::string block(GetFileVersionInfoSizeW(program, &ignored), '\0');
    ASSERT_FALSE(block.empty()) << "no version information";
    ASSERT_TRUE(GetFileVersionInfoW(program, 0, static_cast<DWORD>(block.size()), block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
    EXPECT_EQ(fixed->dwFileVersionMS,
              static_cast<DWORD>(MAKELONG(VINDEL_VERSION_MINOR, VINDEL_VERSION_MAJOR)));
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(VersionText(block, L"ProductName"), L"Vindel");
    EXPECT_EQ(VersionText(block, L"OriginalFilename"), L"Vindel.exe");
    EXPECT_EQ(VersionText(block, L"ProductVersion"), VersionText(block, L"FileVersion"));
}

// The loader has read the manifest when it gives common controls version 6,
// which lives in the side-by-side store, not in the system folder. (wine's
// version 6 reports itself as 5.81, so the folder tells, not DllGetVersion;
// and wine makes every process DPI-aware, so that part of the manifest shows
// only on Windows: check-manifest.py reads it.)
TEST(Win32Resources, ManifestBringsCommonControls6) {
    const HMODULE controls = LoadLibraryW(L"comctl32.dll");
    ASSERT_NE(controls, nullptr);
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(controls, path, MAX_PATH);
    FreeLibrary(controls);
    std::wstring folder(path, length);
    CharLowerBuffW(folder.data(), static_cast<DWORD>(folder.size()));
    EXPECT_NE(folder.find(L"\\winsxs\\"), std::wstring::npos) << path;
    EXPECT_NE(folder.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6.0."),
              std::wstring::npos)
        << path;
}

}  // namespace
