# SPDX-License-Identifier: MIT
# One place for the warning flags, applied per target so that Debian's own
# headers are not held to them.
function(vindel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
  if(VINDEL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# A GoogleTest executable whose cases ctest lists one by one. A cross-built
# one can't be asked for its cases while building, so ctest runs it whole,
# through CMAKE_CROSSCOMPILING_EMULATOR (wine; see cmake/Windows.cmake).
#
# X11 (or X11_WM, with a window manager) runs it, the listing of its cases
# included, on a private Xvfb display through tests/support/with-x-server.sh;
# link vindel_x11_main rather than vindel_offscreen_main then. SCREEN
# WIDTHxHEIGHTxDEPTH gives that display another size, PANEL PIXELS a strip
# at its bottom that the window manager keeps free, as for a panel.
function(vindel_test name)
  cmake_parse_arguments(ARG "X11;X11_WM" "SCREEN;PANEL" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  vindel_warnings(${name})
  set(x_server ${PROJECT_SOURCE_DIR}/tests/support/with-x-server.sh)
  # 77: the X server or window manager is missing where a skip is allowed.
  set(skip_code "")
  if(ARG_X11_WM)
    list(APPEND x_server --wm)
  endif()
  if(ARG_SCREEN)
    list(APPEND x_server --screen ${ARG_SCREEN})
  endif()
  if(ARG_PANEL)
    list(APPEND x_server --panel ${ARG_PANEL})
  endif()
  if(ARG_X11 OR ARG_X11_WM)
    set(skip_code SKIP_RETURN_CODE 77)
    # A cross-built one runs under wine on that display, in the prefix for
    # window programs (see cmake/wine-x11-run.sh.in); with no window manager
    # there, wine manages its windows itself.
    if(CMAKE_CROSSCOMPILING)
      list(APPEND x_server ${PROJECT_BINARY_DIR}/wine-x11-run.sh)
      if(NOT ARG_X11_WM)
        list(APPEND ARG_ENV VINDEL_WINE_UNMANAGED=1)
      endif()
    endif()
    set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "${x_server}")
  endif()
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name})
    if(ARG_ENV)
      set_tests_properties(${name} PROPERTIES ENVIRONMENT "${ARG_ENV}")
    endif()
    # That prefix serves one display at a time: its users take turns.
    if(ARG_X11 OR ARG_X11_WM)
      set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wine_x11)
    endif()
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "${ARG_ENV}" ${skip_code})
  endif()
endfunction()
