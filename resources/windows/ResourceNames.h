// SPDX-License-Identifier: MIT
#pragma once

// The names of the resources that resources/windows/Vindel.rc embeds in the
// Windows program. Included by the resource script (as plain names) and by
// C++ (as wide strings), so that both sides spell them alike. Resource names
// are upper case: the resource compiler stores them so, and FindResourceW
// upper-cases the name it is asked for.

#define VINDEL_RC_ICON MAINICON
#define VINDEL_RC_SG300_10 SG300_10
#define VINDEL_RC_SG300_20 SG300_20
#define VINDEL_RC_SG300_28 SG300_28
#define VINDEL_RC_SG300_52 SG300_52
#define VINDEL_RC_BANNER BANNER

#ifndef RC_INVOKED
#define VINDEL_RC_WIDE_(name) L## #name
#define VINDEL_RC_WIDE(name) VINDEL_RC_WIDE_(name)

namespace vindel::resource_names {

// The program icon, an icon group of one 48 x 48 image with 32 bits per pixel.
inline constexpr const wchar_t* kIcon = VINDEL_RC_WIDE(VINDEL_RC_ICON);
// The pictures, as the files hold them (RCDATA): PNG for the switch fronts,
// a 24-bit BMP file for the banner.
inline constexpr const wchar_t* kSg300_10 = VINDEL_RC_WIDE(VINDEL_RC_SG300_10);
inline constexpr const wchar_t* kSg300_20 = VINDEL_RC_WIDE(VINDEL_RC_SG300_20);
inline constexpr const wchar_t* kSg300_28 = VINDEL_RC_WIDE(VINDEL_RC_SG300_28);
inline constexpr const wchar_t* kSg300_52 = VINDEL_RC_WIDE(VINDEL_RC_SG300_52);
inline constexpr const wchar_t* kBanner = VINDEL_RC_WIDE(VINDEL_RC_BANNER);

}  // namespace vindel::resource_names
#endif
