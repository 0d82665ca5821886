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
# link vindel_x11_main rather than vindel_offscreen_main then.
function(vindel_test name)
  cmake_parse_arguments(ARG "X11;X11_WM" "" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  vindel_warnings(${name})
  set(wine_display OFF)
  set(x_server ${PROJECT_SOURCE_DIR}/tests/support/with-x-server.sh)
  if(ARG_X11_WM)
    list(APPEND x_server --wm)
  endif()
  if(ARG_X11 OR ARG_X11_WM)
    # A cross-built window test runs under wine on that display, one at a
    # time (see cmake/wine-run.sh.in).
    if(CMAKE_CROSSCOMPILING)
      list(APPEND x_server ${CMAKE_CROSSCOMPILING_EMULATOR})
      list(APPEND ARG_ENV VINDEL_WINE_DISPLAY=1)
      set(wine_display ON)
    endif()
    set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "${x_server}")
  endif()
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name})
    if(ARG_ENV)
      set_tests_properties(${name} PROPERTIES ENVIRONMENT "${ARG_ENV}")
    endif()
    if(wine_display)
      set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wine-display)
    endif()
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "${ARG_ENV}")
  endif()
endfunction()
