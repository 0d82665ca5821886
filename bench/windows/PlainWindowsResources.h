// SPDX-License-Identifier: MIT
#pragma once
// The resources of the plain Win32 yardstick (PlainWindows.rc): the program's
// icon and the pictures as bitmaps, from the same files as Vindel's.
#define PLAIN_ICON 1
#define PLAIN_BANNER 10
#define PLAIN_SG300_10 11
#define PLAIN_SG300_20 12
#define PLAIN_SG300_28 13
#define PLAIN_SG300_52 14
