# SPDX-License-Identifier: MIT
# Cross-builds Vindel's core for 32-bit Windows, the platform the program was
# first written for, with Debian's mingw-w64 (-posix compilers for std::thread).
set(VINDEL_MINGW_TRIPLET i686-w64-mingw32)
# wine32:i386, after dpkg --add-architecture i386.
set(VINDEL_WINE /usr/lib/wine/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
