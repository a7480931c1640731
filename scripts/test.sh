#!/usr/bin/env bash
# Sets up what is missing, then builds and runs every test: the normal build,
# then the same tests under AddressSanitizer and UndefinedBehaviorSanitizer,
# then every fuzz target for a few seconds (a finding fails the run).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
jobs="$(nproc 2>/dev/null || echo 2)"
# A test that fails is run up to twice more: the end-to-end tests play the real program in a virtual display
# against wall-clock waits, which a heavily loaded machine can stretch. A real fault fails every time.
retry="--repeat until-pass:3"

# The sanitizer and fuzz builds compile at low priority from the start, while the normal build and then the
# tests run: the tests spend most of their time waiting on the virtual display, and the compilers only take what
# the rest leaves idle. The sanitizer build, needed first, gets the larger share of that.
background=()
# Asynchronous commands ignore Ctrl-C here, so a stopped run takes the compilers down itself.
kill_tree() {
  local children
  children="$(pgrep -P "$1" || true)"
  kill "$1" 2>/dev/null || true
  for child in $children; do kill_tree "$child"; done
}
stop_background() { for pid in "${background[@]}"; do kill_tree "$pid"; done; }
trap stop_background EXIT
# build_behind <niceness> <log> <command...>: starts a build in the background; its pid is left in $behind.
build_behind() {
  local niceness="$1" log="$2"; shift 2
  mkdir -p "$(dirname "$log")"
  nice -n "$niceness" bash -c '"$@" && echo "built in $SECONDS s"' build "$@" >"$log" 2>&1 &
  behind=$!
  background+=("$behind")
}
# wait_behind <pid> <log>: waits for that build; a failed one ends the run with its log.
wait_behind() {
  local pid="$1" log="$2" status=0
  wait "$pid" || status=$?
  local kept=()
  for other in "${background[@]}"; do [ "$other" = "$pid" ] || kept+=("$other"); done
  background=("${kept[@]}")
  if [ "$status" -ne 0 ]; then
    cat "$log" >&2
    echo "test: the build in $log failed" >&2
    exit 1
  fi
}
stage() { echo "== $1 (at $((SECONDS / 60)) min $((SECONDS % 60)) s)"; }

asan_log="$root/build-asan/background-build.log"
fuzz_log="$root/build-fuzz/background-build.log"
build_behind 10 "$asan_log" "$root/scripts/build.sh" "$root/build-asan" -DKELZO_SANITIZE=ON -DKELZO_BENCH=OFF
asan_build=$behind
build_behind 19 "$fuzz_log" "$root/scripts/fuzz.sh" --build
fuzz_build=$behind

stage "normal build"
"$root/scripts/build.sh" "$root/build"
stage "normal tests"
(cd "$root/build" && ctest --output-on-failure -j "$jobs" $retry)

stage "sanitizer build (ASan + UBSan)"
wait_behind "$asan_build" "$asan_log"
tail -n 1 "$asan_log"
stage "sanitizer tests"
# intercept_tls_get_addr=0: this runtime guesses the bounds of a library's thread-local block from a header
# older C libraries put before it, and where a block happens to start 16 bytes into a page it reads a false
# range and the leak check dies ("Tracer caught signal 11", "DTLS ... at 0x...d9b"), the same way on every run
# of that build. Without it, those blocks are still found through the thread's own pointers to them.
(cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0 UBSAN_OPTIONS=print_stacktrace=1 \
   ctest --output-on-failure -j "$jobs" $retry)

stage "fuzz build"
wait_behind "$fuzz_build" "$fuzz_log"
tail -n 1 "$fuzz_log"
stage "fuzz smoke (libFuzzer, 5 s a target)"
"$root/scripts/fuzz.sh" --smoke
stage "done"
