# SPDX-License-Identifier: MIT
# What both mingw-w64 toolchain files share; they set VINDEL_MINGW_TRIPLET and
# VINDEL_WINE first.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${VINDEL_MINGW_TRIPLET})

set(CMAKE_C_COMPILER ${VINDEL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VINDEL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VINDEL_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VINDEL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe: the C++ runtime and winpthread are linked in, so
# nothing has to be shipped beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Tests are run under wine, through cmake/wine-run.sh (see cmake/Windows.cmake).
set(VINDEL_WINE ${VINDEL_WINE} CACHE FILEPATH "wine binary that runs the cross-built tests")
