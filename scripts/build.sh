#!/usr/bin/env bash
# Configures and builds one build folder:
#   scripts/build.sh [build-dir] [extra cmake options...]   the normal build (build/ by default)
#   scripts/build.sh --sanitizer [extra cmake options...]    the sanitizer build in build-asan/ (clang, ASan,
#                                                             UBSan, the fuzz targets; cmake/SanitizerBuild.cmake)
# KELZO_BUILD_TARGETS, when set, names the targets to build instead of all of them.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ "${1:-}" = --sanitizer ]; then
  shift
  dir="$root/build-asan"
  set -- -C "$root/cmake/SanitizerBuild.cmake" "$@"
  # A folder an older checkout configured with another compiler is made again: a cache keeps its compiler.
  if [ -f "$dir/CMakeCache.txt" ] && ! grep -q "^CMAKE_CXX_COMPILER:.*clang" "$dir/CMakeCache.txt"; then
    rm -rf "$dir"
  fi
else
  dir="${1:-$root/build}"
  shift || true
fi
jobs="$(nproc 2>/dev/null || echo 2)"
generator=()
# Ninja schedules a build's jobs better than make; a folder keeps the generator it was first made with.
if [ ! -f "$dir/CMakeCache.txt" ] && command -v ninja >/dev/null; then
  generator=(-G Ninja)
fi
cmake -S "$root" -B "$dir" "${generator[@]}" "$@" >/dev/null
targets=()
for target in ${KELZO_BUILD_TARGETS:-}; do targets+=(--target "$target"); done
cmake --build "$dir" -j "$jobs" "${targets[@]}"
