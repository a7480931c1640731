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

# The next stage's build compiles at the lowest priority while a stage's tests run: the tests spend most of
# their time waiting on the virtual display, and the compilers only take what the tests leave idle.
background=""
# Asynchronous commands ignore Ctrl-C here, so a stopped run takes the compilers down itself.
kill_tree() {
  local children
  children="$(pgrep -P "$1" || true)"
  kill "$1" 2>/dev/null || true
  for child in $children; do kill_tree "$child"; done
}
stop_background() { if [ -n "$background" ]; then kill_tree "$background"; fi; }
trap stop_background EXIT
build_behind() {
  local log="$1"; shift
  nice -n 19 "$@" >"$log" 2>&1 &
  background=$!
}
wait_behind() {
  local log="$1"
  if ! wait "$background"; then
    background=""
    cat "$log" >&2
    echo "test: the build in $log failed" >&2
    exit 1
  fi
  background=""
}

echo "== normal build"
"$root/scripts/build.sh" "$root/build"
mkdir -p "$root/build-asan"
build_behind "$root/build-asan/background-build.log" \
  "$root/scripts/build.sh" "$root/build-asan" -DKELZO_SANITIZE=ON -DKELZO_BENCH=OFF
(cd "$root/build" && ctest --output-on-failure -j "$jobs" $retry)

echo "== sanitizer build (ASan + UBSan)"
wait_behind "$root/build-asan/background-build.log"
mkdir -p "$root/build-fuzz"
build_behind "$root/build-fuzz/background-build.log" "$root/scripts/fuzz.sh" --build
# intercept_tls_get_addr=0: this runtime guesses the bounds of a library's thread-local block from a header
# older C libraries put before it, and where a block happens to start 16 bytes into a page it reads a false
# range and the leak check dies ("Tracer caught signal 11", "DTLS ... at 0x...d9b"), the same way on every run
# of that build. Without it, those blocks are still found through the thread's own pointers to them.
(cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0 UBSAN_OPTIONS=print_stacktrace=1 \
   ctest --output-on-failure -j "$jobs" $retry)

echo "== fuzz smoke (libFuzzer, 5 s a target)"
wait_behind "$root/build-fuzz/background-build.log"
"$root/scripts/fuzz.sh" --smoke
