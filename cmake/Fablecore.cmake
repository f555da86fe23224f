# Shared build settings and helpers for the libraries, the program, tools and tests.

add_library(fc_build_options INTERFACE)
target_compile_options(fc_build_options INTERFACE -Wall -Wextra)
if(FABLECORE_WERROR)
  target_compile_options(fc_build_options INTERFACE -Werror)
endif()
if(FABLECORE_SANITIZE)
  target_compile_options(fc_build_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(fc_build_options INTERFACE -fsanitize=address,undefined)
endif()

# fc_library(<name> <folder under src/> [DEPENDS <targets...>])
# One static library per source folder; sources are the folder's own .cpp files (not its subfolders).
function(fc_library name folder)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC fc_build_options ${ARG_DEPENDS})
endfunction()

# fc_test_suite(<name> <folder under tests/> [DEPENDS <targets...>])
# One GoogleTest program per test folder; every test case runs as its own CTest test, in its own process.
function(fc_test_suite name folder)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${folder}/*.cpp)
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE fc_build_options GTest::gtest GTest::gmock GTest::gtest_main ${ARG_DEPENDS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests
    PROPERTIES ENVIRONMENT "FABLECORE_HEADLESS=1;FABLECORE_PROGRAM_DIR=${FABLECORE_OUTPUT_DIR}")
endfunction()
