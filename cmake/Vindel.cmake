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
function(vindel_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  vindel_warnings(${name})
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name})
    if(ARG_ENV)
      set_tests_properties(${name} PROPERTIES ENVIRONMENT "${ARG_ENV}")
    endif()
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "${ARG_ENV}")
  endif()
endfunction()
