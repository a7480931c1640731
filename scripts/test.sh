#!/usr/bin/env bash
# Sets up what is missing, then builds and runs every test, in two lanes side by side:
#   normal     the game as it ships (gcc, one source at a time, so a source that misses an include fails
#              here), then its unit tests, end-to-end and reliability scripts and the replay of every fuzz
#              corpus;
#   sanitizer  clang under AddressSanitizer and UndefinedBehaviorSanitizer with libFuzzer's coverage hooks, in
#              unity batches (cmake/SanitizerBuild.cmake), compiled at low priority so that the normal lane
#              goes first; then the same tests, and beside them every fuzz target for 5 seconds (a finding
#              fails the run), at low priority: the smoke is all CPU, the tests mostly wait on a display.
# Tests run two more at once than there are cores: most of a lane's test time is end-to-end scripts waiting
# on the wall clock, which leave their cores idle.
# Each stage says when it began, and when it ended its wall time and the CPU time (user + system) of all it
# ran. The lanes' output goes to build-logs/<lane>.log; a lane that fails shows the end of its log.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
jobs="$(nproc 2>/dev/null || echo 2)"
# A test that fails is run up to twice more: the end-to-end tests play the real program in a virtual display
# against wall-clock waits, which a heavily loaded machine can stretch. A real fault fails every time.
retry=(--repeat until-pass:3)
logs="$root/build-logs"
rm -rf "$logs"
mkdir -p "$logs"
began=$SECONDS
# The tests start Python hundreds of times (loopback servers, the swipe pickers). They get Debian's python3,
# which install-deps.sh installs: a version manager's shim in front of it on the PATH (pyenv's) spends seconds of
# CPU on every start, which made up half of some test programs' time.
mkdir -p "$logs/bin"
ln -s /usr/bin/python3 "$logs/bin/python3"
export PATH="$logs/bin:$PATH"

say() { echo "== $* (at $(((SECONDS - began) / 60)) min $(((SECONDS - began) % 60)) s)"; }

# Sets $cpu to the CPU seconds (user + system) of every process this shell has waited for. `times` runs in
# this shell, not in a command substitution, whose own children would be none.
read_cpu() {
  local file="$logs/.times.$BASHPID"
  times >"$file"
  cpu="$(awk 'NR == 2 { for (i = 1; i <= 2; i++) { split($i, part, "m"); total += part[1] * 60 + part[2] } }
              END { printf "%d", total }' "$file")"
}

# stage <lane> <what> <command...>: one stage of a lane, its output added to the lane's log.
stage() {
  local lane="$1" what="$2" start=$SECONDS status=0 before
  shift 2
  read_cpu
  before=$cpu
  say "$lane: $what"
  "$@" >>"$logs/$lane.log" 2>&1 || status=$?
  read_cpu
  echo "   $lane: $what took $((SECONDS - start)) s, $((cpu - before)) s of CPU$([ "$status" = 0 ] || echo ": FAILED")"
  return "$status"
}

run_tests() (
  cd "$1"
  ctest --output-on-failure -j "$((jobs + 2))" "${retry[@]}"
)

run_sanitized_tests() {
  # intercept_tls_get_addr=0: this runtime guesses the bounds of a library's thread-local block from a header
  # older C libraries put before it, and where a block happens to start 16 bytes into a page it reads a false
  # range and the leak check dies ("Tracer caught signal 11", "DTLS ... at 0x...d9b"), the same way on every
  # run of that build. Without it, those blocks are still found through the thread's own pointers to them.
  ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0 UBSAN_OPTIONS=print_stacktrace=1 run_tests "$root/build-asan"
}

normal_lane() {
  stage normal build "$root/scripts/build.sh" "$root/build" || return 1
  stage normal tests run_tests "$root/build" || return 1
}

sanitizer_lane() {
  stage sanitizer build nice -n 10 "$root/scripts/build.sh" --sanitizer || return 1
  stage fuzz "fuzz smoke (libFuzzer, 5 s a target)" nice -n 10 "$root/scripts/fuzz.sh" --smoke &
  local smoke=$! status=0
  stage sanitizer tests run_sanitized_tests || status=1
  if ! wait "$smoke"; then
    echo "---- the fuzz smoke failed; the end of $logs/fuzz.log:"
    tail -n 100 "$logs/fuzz.log"
    status=1
  fi
  return "$status"
}

# Asynchronous commands ignore Ctrl-C here, so a stopped run takes the lanes down itself.
kill_tree() {
  local children
  children="$(pgrep -P "$1" || true)"
  kill "$1" 2>/dev/null || true
  for child in $children; do kill_tree "$child"; done
}
lanes=()
stop_lanes() { for pid in "${lanes[@]}"; do kill_tree "$pid"; done; }
trap stop_lanes EXIT

normal_lane &
lanes+=($!)
declare -A lane_name=([$!]=normal)
sanitizer_lane &
lanes+=($!)
lane_name[$!]=sanitizer

status=0
while [ "${#lanes[@]}" -gt 0 ]; do
  ended=0
  wait -n -p ended "${lanes[@]}" || status=$?
  kept=()
  for pid in "${lanes[@]}"; do [ "$pid" = "$ended" ] || kept+=("$pid"); done
  lanes=("${kept[@]}")
  lane="${lane_name[$ended]}"
  if [ "$status" -ne 0 ]; then
    echo "---- the $lane lane failed; the end of $logs/$lane.log:"
    tail -n 200 "$logs/$lane.log"
    exit 1
  fi
  summaries=("$logs/$lane.log")
  [ "$lane" = sanitizer ] && summaries+=("$logs/fuzz.log")
  grep -h -e "tests passed" -e "^fuzz: " "${summaries[@]}" | sed "s/^/   $lane: /"
done
rm -f "$logs"/.times.*
say "done"
