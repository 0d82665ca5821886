# SPDX-License-Identifier: MIT
# Cross-builds Vindel's core for 64-bit Windows with Debian's mingw-w64.
# The -posix compilers: the default win32 thread model has no std::thread.
set(VINDEL_MINGW_TRIPLET x86_64-w64-mingw32)
# What runs the test programs on this machine.
set(VINDEL_WINE /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
