# How the suite's targets are made: libraries that expose only their own headers, the tools
# (library, program, tests) and test programs with the shared test main. Every one of them is
# built with the suite's warnings (tormark_warnings).

# tormark_expose_headers(TARGET NAME)
# Lets whatever links TARGET include its headers as "NAME/header.h", and nothing else: the
# include folder of TARGET holds a single link NAME to the current source folder, so a target
# sees only the folders of the libraries it links (never the whole source tree).
function(tormark_expose_headers target name)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  file(MAKE_DIRECTORY ${root})
  if(NOT EXISTS ${root}/${name})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${name} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# tormark_add_library(NAME SOURCES ... [LINKS ...] [HEADERS_AS name])
# A static library from the current folder, its headers included as "<folder name>/header.h"
# (or "name/header.h" with HEADERS_AS).
function(tormark_add_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "HEADERS_AS" "SOURCES;LINKS")
  add_library(${name} STATIC ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE tormark_warnings)
  if(arg_LINKS)
    target_link_libraries(${name} PUBLIC ${arg_LINKS})
  endif()
  if(NOT arg_HEADERS_AS)
    get_filename_component(arg_HEADERS_AS ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  endif()
  tormark_expose_headers(${name} ${arg_HEADERS_AS})
endfunction()

# tormark_add_tests(NAME SOURCES ... LINKS ... [PROGRAM target] [DEFINITIONS ...]
#                   [PROPERTIES ...] [PLAIN] [PREFIX text])
# The test program NAME_tests with the shared test main (a QApplication before the tests; PLAIN
# takes GoogleTest's own main instead, for the Qt-free libraries), registered with ctest as
# "NAME.Suite.Test" (PREFIX replaces "NAME."). Every test program links the real-data helpers
# (testing/real_data.h) and is told where the test data folder is (TORMARK_TEST_DATA); with
# PROGRAM it is also told the path of that program (TOOL_PROGRAM), which is built first. Nothing
# is made when BUILD_TESTING is off.
function(tormark_add_tests name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "PLAIN" "PROGRAM;PREFIX"
                        "SOURCES;LINKS;DEFINITIONS;PROPERTIES")
  if(NOT BUILD_TESTING)
    return()
  endif()
  if(NOT arg_PREFIX)
    set(arg_PREFIX "${name}.")
  endif()
  add_executable(${name}_tests ${arg_SOURCES})
  target_link_libraries(${name}_tests PRIVATE tormark_warnings)
  if(arg_PLAIN)
    target_link_libraries(${name}_tests PRIVATE ${arg_LINKS} tormark_test_data GTest::gtest
                                                GTest::gtest_main)
  else()
    target_link_libraries(${name}_tests PRIVATE ${arg_LINKS} tormark_test_data tormark_test_main)
  endif()
  target_compile_definitions(${name}_tests PRIVATE
      TORMARK_TEST_DATA="${TORMARK_TEST_DATA_DIR}" ${arg_DEFINITIONS})
  if(arg_PROGRAM)
    target_compile_definitions(${name}_tests PRIVATE TOOL_PROGRAM="$<TARGET_FILE:${arg_PROGRAM}>")
    add_dependencies(${name}_tests ${arg_PROGRAM})
  endif()
  gtest_discover_tests(${name}_tests DISCOVERY_MODE PRE_TEST TEST_PREFIX "${arg_PREFIX}"
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" ${arg_PROPERTIES})
endfunction()

# tormark_add_tool(NAME SOURCES ... [LINKS ...] TESTS ... [TEST_LINKS ...] [DEFINITIONS ...]
#                  [TEST_PROPERTIES ...])
# A console tool in the current folder: the library NAME_lib from SOURCES (its headers included
# as "NAME/header.h"; its entry is NAME::Run in run.h), the program NAME from main.cpp, and the
# tests NAME_tests from TESTS, which may run the program.
function(tormark_add_tool name)
  cmake_parse_arguments(PARSE_ARGV 1 arg ""  ""
                        "SOURCES;LINKS;TESTS;TEST_LINKS;DEFINITIONS;TEST_PROPERTIES")
  tormark_add_library(${name}_lib SOURCES ${arg_SOURCES} LINKS console ${arg_LINKS}
                      HEADERS_AS ${name})
  add_executable(${name} main.cpp)
  target_link_libraries(${name} PRIVATE ${name}_lib tormark_warnings)
  tormark_add_tests(${name}
      SOURCES ${arg_TESTS}
      LINKS ${name}_lib console_testsupport ${arg_TEST_LINKS}
      PROGRAM ${name}
      DEFINITIONS ${arg_DEFINITIONS}
      PROPERTIES ${arg_TEST_PROPERTIES})
endfunction()
