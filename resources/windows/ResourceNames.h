// SPDX-License-Identifier: MIT
#pragma once

// The names of the resources that resources/windows/Vindel.rc embeds in the
// Windows program, the one table of them. Included by the resource scripts
// (as plain names) and by C++ (as wide strings, and by the file names the
// window descriptions give the pictures), so that all sides spell them
// alike. Resource names
// are upper case: the resource compiler stores them so, and FindResourceW
// upper-cases the name it is asked for.

#define VINDEL_RC_ICON MAINICON
#define VINDEL_RC_SG300_10 SG300_10
#define VINDEL_RC_SG300_20 SG300_20
#define VINDEL_RC_SG300_28 SG300_28
#define VINDEL_RC_SG300_52 SG300_52
#define VINDEL_RC_BANNER BANNER

#ifndef RC_INVOKED
#include <string_view>

#define VINDEL_RC_WIDE_(name) L## #name
#define VINDEL_RC_WIDE(name) VINDEL_RC_WIDE_(name)

namespace vindel::resource_names {

// The program icon, an icon group of one 48 x 48 image with 32 bits per pixel.
inline constexpr const wchar_t* kIcon = VINDEL_RC_WIDE(VINDEL_RC_ICON);
// The pictures, whole 24-bit BMP files as RCDATA, which GDI draws as they
// stand: the switch fronts (BMP copies of the PNG files the Linux program
// embeds) and the banner.
inline constexpr const wchar_t* kSg300_10 = VINDEL_RC_WIDE(VINDEL_RC_SG300_10);
inline constexpr const wchar_t* kSg300_20 = VINDEL_RC_WIDE(VINDEL_RC_SG300_20);
inline constexpr const wchar_t* kSg300_28 = VINDEL_RC_WIDE(VINDEL_RC_SG300_28);
inline constexpr const wchar_t* kSg300_52 = VINDEL_RC_WIDE(VINDEL_RC_SG300_52);
inline constexpr const wchar_t* kBanner = VINDEL_RC_WIDE(VINDEL_RC_BANNER);

// The pictures by the file names the window descriptions give them.
struct PictureResource final {
    std::u16string_view file;
    const wchar_t* name;
};
inline constexpr PictureResource kPictures[] = {
    {u"SG300-10.png", kSg300_10}, {u"SG300-20.png", kSg300_20}, {u"SG300-28.png", kSg300_28},
    {u"SG300-52.png", kSg300_52}, {u"banner.bmp", kBanner},
};

// The resource of a picture the descriptions name, or null.
constexpr const wchar_t* PictureResourceName(std::u16string_view file) {
    for (const PictureResource& picture : kPictures) {
        if (picture.file == file)
            return picture.name;
    }
    return nullptr;
}

}  // namespace vindel::resource_names
#endif
