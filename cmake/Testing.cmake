# Test harness: GoogleTest built with this flavour's toolchain, and the functions that add test executables.
#
#   ovanta_add_host_test(NAME <name> SOURCES ... [LIBS ...] [ENV VAR=VAL ...])
#       host flavour only; label "host".
#   ovanta_add_win_test(NAME <name> SOURCES ... [LIBS ...] [ENV VAR=VAL ...] [LOCALES <ll_CC> ...] [GUI])
#       built in win64 and win32; run under wine64 in win64 only (label "wine", plus "gui" with GUI: needs
#       DISPLAY). win32 only builds it, so that the shipping toolchain compiles every test too. With LOCALES the
#       program runs once per locale, as ctest entries <name>_<ll_CC> with LC_ALL=<ll_CC>.UTF-8. Every such
#       program links the Windows test support (tests/win/support). The wine runner learns the entry's name
#       (OVANTA_TEST_NAME), so that it may start a program again that Wine failed to start (see the runner).
#   ovanta_add_wine_command_test(NAME <name> COMMAND ... [ENV VAR=VAL ...])
#       win64 only: a script-driven end-to-end test. Its environment names the wine runner
#       (OVANTA_WINE_RUNNER, which runs a Windows program: "$OVANTA_WINE_RUNNER" prog.exe args...) and the wine
#       environment file (OVANTA_WINE_ENV, to be sourced by shell drivers). Labels "wine" and "gui".
#
# Programs under Wine take the system language from LC_ALL: the Windows tests run with LC_ALL=en_US.UTF-8
# (English) unless their ENV sets another, e.g. ENV LC_ALL=de_DE.UTF-8 for German.
#
# Each test executable is one ctest entry; a failure shows GoogleTest's output, which names the failing cases.
# Tests that use the display hold the "display" resource lock, so they never run at the same time.

set(OVANTA_GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources (Debian package googletest)")
if(NOT EXISTS ${OVANTA_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found in ${OVANTA_GOOGLETEST_SOURCE_DIR}: "
                      "run scripts/install-deps.sh (package googletest)")
endif()
set(INSTALL_GTEST OFF)
set(BUILD_GMOCK ON)
add_subdirectory(${OVANTA_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

# GoogleTest's header (and windows.h in the Windows flavours) is compiled once into a precompiled header that
# every test program reuses. The test programs compile with the same flags as this target (the global ones and
# the warnings); a mismatch is an error (-Winvalid-pch with -Werror), not a silent slow build.
set(OVANTA_TEST_PCH_SOURCE ${CMAKE_BINARY_DIR}/test_pch/TestPch.cpp)
file(CONFIGURE OUTPUT ${OVANTA_TEST_PCH_SOURCE} CONTENT "// Carries the precompiled header shared by the test programs.\n")
add_library(ovanta_test_pch STATIC ${OVANTA_TEST_PCH_SOURCE})
target_link_libraries(ovanta_test_pch PRIVATE GTest::gtest)
if(WIN32)
  target_precompile_headers(ovanta_test_pch PRIVATE <windows.h> <gtest/gtest.h>)
else()
  target_precompile_headers(ovanta_test_pch PRIVATE <gtest/gtest.h>)
endif()
ovanta_warnings(ovanta_test_pch)

# A guard against hangs, not a speed limit.
set(OVANTA_TEST_TIMEOUT 180)

if(OVANTA_FLAVOUR STREQUAL "win64")
  # The wine64 loader is not on PATH; the package tells where it and its wineserver are.
  execute_process(COMMAND dpkg -L wine64 OUTPUT_VARIABLE wine64_files RESULT_VARIABLE dpkg_result ERROR_QUIET)
  if(NOT dpkg_result EQUAL 0)
    message(FATAL_ERROR "wine64 is not installed: run scripts/install-deps.sh")
  endif()
  string(REGEX MATCH "[^\n]*/wine64\n" wine64_loader "${wine64_files}\n")
  string(REGEX MATCH "[^\n]*/wineserver64\n" wine64_server "${wine64_files}\n")
  string(STRIP "${wine64_loader}" wine64_loader)
  string(STRIP "${wine64_server}" wine64_server)
  set(OVANTA_WINE64_LOADER "${wine64_loader}" CACHE FILEPATH "wine64 loader")
  set(OVANTA_WINESERVER "${wine64_server}" CACHE FILEPATH "wineserver of the wine64 installation")
  foreach(program OVANTA_WINE64_LOADER OVANTA_WINESERVER)
    if(NOT EXISTS "${${program}}" OR IS_DIRECTORY "${${program}}")
      message(FATAL_ERROR "${program} not found (got '${${program}}'): reinstall wine64")
    endif()
  endforeach()
  message(STATUS "wine64 loader: ${OVANTA_WINE64_LOADER}, wineserver: ${OVANTA_WINESERVER}")

  set(OVANTA_WINE_TEST_LOCALE LC_ALL=en_US.UTF-8)
  set(OVANTA_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  set(OVANTA_WINE_ENV ${CMAKE_BINARY_DIR}/harness/wine-env.sh)
  set(OVANTA_WINE_RUNNER ${CMAKE_BINARY_DIR}/harness/run-under-wine.sh)
  set(OVANTA_WINE_RETRY_LOG ${CMAKE_BINARY_DIR}/wine-retries.log)
  configure_file(${CMAKE_SOURCE_DIR}/tests/harness/wine-env.sh.in ${OVANTA_WINE_ENV} @ONLY)
  configure_file(${CMAKE_SOURCE_DIR}/tests/harness/run-under-wine.sh.in ${OVANTA_WINE_RUNNER} @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                                  WORLD_EXECUTE)
endif()

function(_ovanta_test_executable name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBS")
  if(NOT arg_SOURCES)
    message(FATAL_ERROR "test ${name}: SOURCES missing")
  endif()
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gtest GTest::gtest_main)
  target_precompile_headers(${name} REUSE_FROM ovanta_test_pch)
  ovanta_warnings(${name})
endfunction()

function(ovanta_add_host_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME" "SOURCES;LIBS;ENV")
  if(NOT arg_NAME)
    message(FATAL_ERROR "ovanta_add_host_test: NAME missing")
  endif()
  if(NOT OVANTA_FLAVOUR STREQUAL "host")
    return()
  endif()
  _ovanta_test_executable(${arg_NAME} SOURCES ${arg_SOURCES} LIBS ${arg_LIBS})
  add_test(NAME ${arg_NAME} COMMAND ${arg_NAME})
  set(environment UBSAN_OPTIONS=print_stacktrace=1 ${arg_ENV})
  set_tests_properties(${arg_NAME} PROPERTIES
    LABELS host
    TIMEOUT ${OVANTA_TEST_TIMEOUT}
    ENVIRONMENT "${environment}")
endfunction()

function(ovanta_add_win_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "GUI" "NAME" "SOURCES;LIBS;ENV;LOCALES")
  if(NOT arg_NAME)
    message(FATAL_ERROR "ovanta_add_win_test: NAME missing")
  endif()
  if(NOT WIN32)
    return()
  endif()
  _ovanta_test_executable(${arg_NAME} SOURCES ${arg_SOURCES} LIBS ${arg_LIBS} ovanta_win_test_support)
  if(NOT OVANTA_FLAVOUR STREQUAL "win64")
    return()
  endif()
  if(arg_LOCALES)
    foreach(locale IN LISTS arg_LOCALES)
      _ovanta_wine_test(${arg_NAME}_${locale} ${arg_NAME} "${arg_GUI}" LC_ALL=${locale}.UTF-8 ${arg_ENV})
    endforeach()
  else()
    _ovanta_wine_test(${arg_NAME} ${arg_NAME} "${arg_GUI}" ${OVANTA_WINE_TEST_LOCALE} ${arg_ENV})
  endif()
endfunction()

# One ctest entry running the test program `target` under wine64 with the given environment.
function(_ovanta_wine_test name target gui)
  add_test(NAME ${name} COMMAND ${OVANTA_WINE_RUNNER} $<TARGET_FILE:${target}>)
  set(labels wine)
  set(environment OVANTA_TEST_NAME=${name} ${ARGN})
  if(gui)
    list(APPEND labels gui)
    list(PREPEND environment OVANTA_NEEDS_DISPLAY=1)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK display)
  endif()
  set_tests_properties(${name} PROPERTIES
    LABELS "${labels}"
    TIMEOUT ${OVANTA_TEST_TIMEOUT}
    ENVIRONMENT "${environment}")
endfunction()

function(ovanta_add_wine_command_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME" "COMMAND;ENV")
  if(NOT arg_NAME OR NOT arg_COMMAND)
    message(FATAL_ERROR "ovanta_add_wine_command_test: NAME and COMMAND are required")
  endif()
  if(NOT OVANTA_FLAVOUR STREQUAL "win64")
    return()
  endif()
  add_test(NAME ${arg_NAME} COMMAND ${arg_COMMAND})
  set(environment OVANTA_NEEDS_DISPLAY=1 OVANTA_WINE_RUNNER=${OVANTA_WINE_RUNNER} OVANTA_WINE_ENV=${OVANTA_WINE_ENV}
                  ${OVANTA_WINE_TEST_LOCALE} ${arg_ENV})
  set_tests_properties(${arg_NAME} PROPERTIES
    LABELS "wine;gui"
    RESOURCE_LOCK display
    TIMEOUT ${OVANTA_TEST_TIMEOUT}
    ENVIRONMENT "${environment}")
endfunction()

# Checks that a Windows program is self-contained: it may import system DLLs only, never a MinGW run-time DLL.
function(ovanta_add_import_check target)
  if(NOT OVANTA_FLAVOUR STREQUAL "win64")
    return()
  endif()
  add_test(NAME ${target}_imports_system_dlls_only
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/harness/check-imports.sh ${CMAKE_OBJDUMP} $<TARGET_FILE:${target}>)
  set_tests_properties(${target}_imports_system_dlls_only PROPERTIES LABELS static TIMEOUT ${OVANTA_TEST_TIMEOUT})
endfunction()
