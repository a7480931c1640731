# The sanitizer build of the test command (cmake -C cmake/SanitizerBuild.cmake): clang with AddressSanitizer,
# UndefinedBehaviorSanitizer and libFuzzer's coverage hooks, compiled in unity batches. Its one library serves
# the unit tests, the end-to-end tests and the fuzz targets. Only tests use it, so no benchmarks.
set(CMAKE_C_COMPILER clang-14 CACHE STRING "")
set(CMAKE_CXX_COMPILER clang++-14 CACHE STRING "")
set(KELZO_SANITIZE ON CACHE BOOL "")
set(KELZO_UNITY ON CACHE BOOL "")
set(KELZO_BENCH OFF CACHE BOOL "")
