# SPDX-License-Identifier: MIT
# The Windows build of the core, cross-compiled with mingw-w64 (see the
# toolchain files beside this one) and tested under wine.

# Windows 7 and later. UNICODE: the wide (W) functions are the ones Vindel
# means to call, so no ANSI form can slip in by its plain name.
add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601 UNICODE _UNICODE NOMINMAX
                        WIN32_LEAN_AND_MEAN)

# The program's icon, pictures, version information and manifest are compiled
# by the toolchain's resource compiler (resources/windows).
enable_language(RC)

# What follows is for the cross build on Linux; a build on Windows itself
# finds GoogleTest as usual and runs its tests directly.
if(VINDEL_BUILD_TESTS AND CMAKE_CROSSCOMPILING)
  # Debian's libgtest-dev is built for Linux; build GoogleTest from the
  # sources of Debian's googletest package inside this build instead.
  set(VINDEL_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources (Debian package googletest)")
  if(NOT EXISTS ${VINDEL_GTEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest sources in ${VINDEL_GTEST_SOURCE_DIR}: install the googletest package")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(${VINDEL_GTEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

  # add_test runs an executable target through the emulator: this wrapper,
  # which gives the build a wine prefix of its own.
  if(NOT VINDEL_WINE)
    set(VINDEL_WINE /usr/lib/wine/wine64)
  endif()
  set(VINDEL_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine-prefix)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/wine-run.sh.in ${PROJECT_BINARY_DIR}/wine-run.sh
    @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine-run.sh)
endif()

# Programs that show windows (the installed program, the start-up benchmark)
# run on an X display through a second wrapper, with a wine prefix of their
# own; see cmake/wine-x11-run.sh.in.
if(CMAKE_CROSSCOMPILING)
  set(VINDEL_WINE_X11_PREFIX ${PROJECT_BINARY_DIR}/wine-prefix-x11)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(VINDEL_WINE_ARCH win32)
  else()
    set(VINDEL_WINE_ARCH win64)
  endif()
  configure_file(${PROJECT_SOURCE_DIR}/cmake/wine-x11-run.sh.in ${PROJECT_BINARY_DIR}/wine-x11-run.sh
    @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endif()
