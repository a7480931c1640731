# Shared build helpers, so that a folder adds sources, tests, tools or data without editing the top file.

function(kelzo_link_dependencies target)
  get_target_property(kind ${target} TYPE)
  if(kind STREQUAL "INTERFACE_LIBRARY")
    set(scope INTERFACE)
  else()
    set(scope PUBLIC)
  endif()
  target_include_directories(${target} ${scope} ${CMAKE_SOURCE_DIR})
  target_link_libraries(${target} ${scope}
    PkgConfig::SDL PkgConfig::SDL_TTF PkgConfig::SDL_MIXER PkgConfig::SFML_NET
    PkgConfig::GLES PkgConfig::EGL PkgConfig::XLIB PkgConfig::PNG PkgConfig::ZLIB Threads::Threads)
endfunction()

# What every test program shares: the library, GoogleTest, the folders it finds its files in. Test code is
# compiled at -O0 (the library keeps the build's own flags): it was two thirds of the normal build's compile
# time at -O2 -g. The sanitizer build keeps its line tables for the reports' stacks, and leaves out the
# coverage hooks, which only the library's code needs to steer the fuzzer: -O0 without them compiles its
# test code in a quarter of the time, and the tests, whose time is spent in the library, run as fast.
function(kelzo_test_settings target)
  target_link_libraries(${target} PRIVATE kelzo_lib GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${target} PRIVATE
    KELZO_DATA_DIR="${KELZO_DATA_DIR}"
    KELZO_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    KELZO_TEST_DIR="${CMAKE_SOURCE_DIR}/tests")
  if(NOT KELZO_SANITIZE)
    target_compile_options(${target} PRIVATE -O0 -g0)
  elseif(KELZO_FUZZ_TARGETS)
    target_compile_options(${target} PRIVATE -O0 -fno-sanitize=fuzzer-no-link)
  else()
    target_compile_options(${target} PRIVATE -O0)
  endif()
endfunction()

# A test program; in a unity build it takes GoogleTest and the standard headers precompiled, once for all.
function(kelzo_test_program target)
  kelzo_test_settings(${target})
  if(KELZO_UNITY)
    if(NOT TARGET kelzo_test_headers)
      add_library(kelzo_test_headers OBJECT ${CMAKE_SOURCE_DIR}/tests/support/PrecompiledHeaders.cpp)
      kelzo_test_settings(kelzo_test_headers)
      target_precompile_headers(kelzo_test_headers PRIVATE
        <gtest/gtest.h> <gmock/gmock.h> <algorithm> <functional> <map> <memory> <set> <sstream> <string>
        <vector>)
    endif()
    target_precompile_headers(${target} REUSE_FROM kelzo_test_headers)
  endif()
endfunction()

# One GoogleTest executable per folder of tests/, from every .cpp in it.
# Tests run with the built data folder reachable through KELZO_DATA_DIR.
function(kelzo_test_folder name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${name} ${sources})
  kelzo_test_program(test_${name})
  add_dependencies(test_${name} kelzo_data)
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/${name})
  # Each test process pays for its start (the sanitizers' most of all: half a second of start-up and leak
  # check), which an entry per case paid over a thousand times in a run: the cases run in four shards of one
  # process each instead. A single case: test_<folder> --gtest_filter=<suite>.<case> in tests/<folder>/.
  foreach(shard RANGE 3)
    add_test(NAME test_${name}_shard${shard} COMMAND test_${name}
      WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/${name})
    set_tests_properties(test_${name}_shard${shard} PROPERTIES TIMEOUT 300
      ENVIRONMENT "GTEST_TOTAL_SHARDS=4;GTEST_SHARD_INDEX=${shard}")
  endforeach()
endfunction()

# Adds every subfolder that has its own CMakeLists.txt.
function(kelzo_add_subfolders)
  file(GLOB children RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(child ${children})
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# Makes a data target part of the data folder build.
function(kelzo_add_data target)
  add_dependencies(kelzo_data ${target})
endfunction()

# Copies a file into the data folder as `name` and appends the copy to the list variable `out`.
function(kelzo_copy_into_data src name out)
  set(dst ${KELZO_DATA_DIR}/${name})
  add_custom_command(OUTPUT ${dst}
    COMMAND ${CMAKE_COMMAND} -E copy ${src} ${dst}
    DEPENDS ${src}
    COMMENT "Copying ${name} into the data folder")
  set(${out} ${${out}} ${dst} PARENT_SCOPE)
endfunction()
