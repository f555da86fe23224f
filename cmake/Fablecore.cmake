# Shared build settings and helpers for the libraries, the program, tools and tests.

find_package(PkgConfig REQUIRED)

add_library(fc_build_options INTERFACE)
target_compile_options(fc_build_options INTERFACE -Wall -Wextra)
if(FABLECORE_WERROR)
  target_compile_options(fc_build_options INTERFACE -Werror)
endif()
if(FABLECORE_SANITIZE)
  target_compile_options(fc_build_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  # Linked at a fixed address: a position-independent program has the loader relocate the
  # sanitizers' tables of every check each time it starts, about half of a test's start.
  target_link_options(fc_build_options INTERFACE -fsanitize=address,undefined -no-pie)
endif()
if(FABLECORE_FUZZ)
  # Coverage for libFuzzer in every library; only the fuzz targets link the fuzzer itself.
  target_compile_options(fc_build_options INTERFACE -fsanitize=fuzzer-no-link)
endif()

# The standard headers most files use, directly or through the program's own headers: parsing them
# took about half of a file's compile time, so each library and test suite parses them once, as a
# precompiled header (fc_precompile_common_headers).
set(FABLECORE_COMMON_HEADERS <algorithm> <array> <cstddef> <cstdint> <cstdio> <cstdlib> <cstring>
    <functional> <map> <memory> <optional> <ostream> <string> <string_view> <system_error>
    <unordered_map> <utility> <vector>)
function(fc_precompile_common_headers target)
  target_precompile_headers(${target} PRIVATE ${FABLECORE_COMMON_HEADERS} ${ARGN})
endfunction()

# fc_library(<name> <folders under src/...> [DEPENDS <targets...>] [PACKAGES <pkg-config modules...>])
# One static library per subsystem, made of the .cpp files of its folders. A subsystem that has no
# code yet is an interface library, so the whole dependency graph can be declared up front.
function(fc_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;PACKAGES" ${ARGN})
  set(sources)
  foreach(folder ${ARG_UNPARSED_ARGUMENTS})
    file(GLOB folder_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp)
    list(APPEND sources ${folder_sources})
  endforeach()
  set(packages)
  foreach(package ${ARG_PACKAGES})
    string(MAKE_C_IDENTIFIER ${package} package_id)
    pkg_check_modules(${package_id} REQUIRED IMPORTED_TARGET ${package})
    list(APPEND packages PkgConfig::${package_id})
  endforeach()
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC fc_build_options ${ARG_DEPENDS} ${packages})
    fc_precompile_common_headers(${name})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE fc_build_options ${ARG_DEPENDS} ${packages})
  endif()
endfunction()

# Every test has a time limit, so that a test that stops making progress fails in a minute instead of
# holding the run until the CI job's own limit. The slowest cases take seconds on their own and up to
# half a minute on a busy machine under the sanitizers; the rest take under three. Suites name those
# few as SLOW, and they get the longer limit.
set(FABLECORE_TEST_TIMEOUT 60)
set(FABLECORE_SLOW_TEST_TIMEOUT 300)
# How many test files of a suite are compiled as one (fc_test_suite).
set(FABLECORE_TEST_BATCH_SIZE 16)

# fc_test_suite(<name> <folders under tests/...> [DEPENDS <targets...>] [SLOW <Suite.Case...>])
# One GoogleTest program per subsystem; every test case runs as its own CTest test, in its own
# process, so process-wide state starts fresh in each. A subsystem without tests yet is skipped.
function(fc_test_suite name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;SLOW" ${ARGN})
  set(sources)
  foreach(folder ${ARG_UNPARSED_ARGUMENTS})
    file(GLOB folder_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${folder}/*.cpp)
    list(APPEND sources ${folder_sources})
  endforeach()
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE fc_build_options GTest::gtest GTest::gmock fc_test_main ${ARG_DEPENDS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  # The test framework's headers, with the common ones, are parsed once per suite.
  fc_precompile_common_headers(${name} <gtest/gtest.h> <gmock/gmock.h>)
  # Most of a test file's compile time goes to the headers and inline code it shares with the other
  # files of its suite, so the files are compiled together in batches (a unity build), which pays
  # for those once a batch. The names a test file keeps to itself are therefore distinct across its
  # suite (tests/harness/UnityBatchesTest.cpp checks it over the list in FABLECORE_TEST_BATCHES). The
  # end-to-end tests (Xvfb*) are batched apart: the X headers they include last define names (None,
  # Bool, Region) that the other files' headers use otherwise.
  set_target_properties(${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_MODE GROUP)
  set(plain_files 0)
  set(x_files 0)
  foreach(source ${sources})
    get_filename_component(file_name ${source} NAME)
    if(file_name MATCHES "^Xvfb")
      set(kind x)
    else()
      set(kind plain)
    endif()
    math(EXPR batch "${${kind}_files} / ${FABLECORE_TEST_BATCH_SIZE}")
    math(EXPR ${kind}_files "${${kind}_files} + 1")
    set_property(SOURCE ${source} PROPERTY UNITY_GROUP ${kind}${batch})
    set_property(GLOBAL APPEND PROPERTY FABLECORE_TEST_BATCHES "${name} ${kind} ${source}")
  endforeach()
  # The test files themselves are built without optimising, which halves their compile time; the
  # code they test keeps its build type's flags.
  target_compile_options(${name} PRIVATE $<$<CONFIG:Debug>:-O0>)
  # The program's main routine (tests/support/IsolatedMain.cpp) runs it headless over the build's
  # program folder, whether CTest or a developer starts it.
  if(ARG_SLOW)
    # The slow cases are found apart from the others, each set with its own limit.
    string(JOIN ":" slow ${ARG_SLOW})
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests
                         TEST_FILTER "-${slow}" PROPERTIES TIMEOUT ${FABLECORE_TEST_TIMEOUT})
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests
                         TEST_FILTER "${slow}" PROPERTIES TIMEOUT ${FABLECORE_SLOW_TEST_TIMEOUT})
  else()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests
                         PROPERTIES TIMEOUT ${FABLECORE_TEST_TIMEOUT})
  endif()
endfunction()
