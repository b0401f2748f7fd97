# Test support for all builds.
#
# GoogleTest is built from Debian's sources with the build's own compiler.
# In the Windows build every test program runs under Wine through
# tools/wine-env.sh, whose run command is the cross-compiling emulator; the
# fixture "wine" brings up the build tree's prefix, an Xvfb display and one
# persistent wineserver before the first test and takes them down after the
# last.
enable_testing()

set(VARNIS_GTEST_SRC /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${VARNIS_GTEST_SRC} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Where the tests find the shipped data files, as the test program sees the path.
if(VARNIS_WINDOWS)
  set(VARNIS_TEST_DATA "Z:${CMAKE_SOURCE_DIR}/data")
  set(varnis_wine_env ${CMAKE_SOURCE_DIR}/tools/wine-env.sh)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${varnis_wine_env} run ${CMAKE_BINARY_DIR})
  add_test(NAME wine_up COMMAND ${varnis_wine_env} start ${CMAKE_BINARY_DIR})
  add_test(NAME wine_down COMMAND ${varnis_wine_env} stop ${CMAKE_BINARY_DIR})
  set_tests_properties(wine_up PROPERTIES FIXTURES_SETUP wine)
  set_tests_properties(wine_down PROPERTIES FIXTURES_CLEANUP wine)
else()
  set(VARNIS_TEST_DATA "${CMAKE_SOURCE_DIR}/data")
endif()

# The program of a test, with GoogleTest's main and the data path.
function(varnis_testprogramm name sources libs)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${libs} GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE VARNIS_TEST_DATA="${VARNIS_TEST_DATA}")
  varnis_warnings(${name})
endfunction()

# A test of the Windows build runs inside the Wine fixture, with time for
# Wine's start-up.
function(varnis_unter_wine name)
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300)
endfunction()

# varnis_test(NAME SOURCES... LIBS... [WINDOWS])
# One test program, run as one CTest test (a Wine start per program, not per
# case). WINDOWS marks programs that create windows: they share the display,
# so they take the "display" lock and never run at the same time as another.
function(varnis_test name)
  cmake_parse_arguments(T "WINDOWS" "" "SOURCES;LIBS" ${ARGN})
  varnis_testprogramm(${name} "${T_SOURCES}" "${T_LIBS}")
  add_test(NAME ${name} COMMAND ${name})
  if(VARNIS_WINDOWS)
    varnis_unter_wine(${name})
    if(T_WINDOWS)
      set_tests_properties(${name} PROPERTIES RESOURCE_LOCK display)
    endif()
  endif()
endfunction()

# varnis_platte_test(NAME SOURCES... LIBS...)
# A test program of the Windows build run as if on a full disk: its files
# (and those of the processes it starts) are limited to 16 KB, with the
# limit's signal ignored, so that a write beyond the limit comes back short.
function(varnis_platte_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  varnis_testprogramm(${name} "${T_SOURCES}" "${T_LIBS}")
  add_test(NAME ${name}
    COMMAND sh -c "ulimit -f 16 && trap '' XFSZ && exec \"$0\" \"$@\""
            ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${name}>)
  varnis_unter_wine(${name})
endfunction()
