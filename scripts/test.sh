#!/usr/bin/env bash
# Sets up what is missing, then builds and runs every test: the normal build,
# then the same tests under AddressSanitizer and UndefinedBehaviorSanitizer,
# then every fuzz target for a few seconds (a finding fails the run).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
jobs="$(nproc 2>/dev/null || echo 2)"
# A test that fails is run up to twice more: LeakSanitizer's tracer now and then dies at a process's exit
# under load ("Tracer caught signal 11"), which says nothing about the code. A real fault fails every time.
retry="--repeat until-pass:3"

echo "== normal build"
"$root/scripts/build.sh" "$root/build"
(cd "$root/build" && ctest --output-on-failure -j "$jobs" $retry)

echo "== sanitizer build (ASan + UBSan)"
"$root/scripts/build.sh" "$root/build-asan" -DKELZO_SANITIZE=ON -DKELZO_BENCH=OFF
(cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
   ctest --output-on-failure -j "$jobs" $retry)

echo "== fuzz smoke (libFuzzer, 5 s a target)"
"$root/scripts/fuzz.sh" --smoke
