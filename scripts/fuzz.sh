#!/usr/bin/env bash
# Fuzzes the readers of files and replies with libFuzzer (clang, AddressSanitizer, UndefinedBehaviorSanitizer), in
# the sanitizer build (build-asan/, the one the test command's sanitizer tests use).
#
#   scripts/fuzz.sh [target|all] [runs]   long runs: `runs` inputs per target (1,000,000 by default);
#                                         several targets may be given as a,b,c (run in that order)
#   scripts/fuzz.sh --smoke               every target for 5 seconds, as scripts/test.sh does
#   scripts/fuzz.sh --list                the targets
#   scripts/fuzz.sh --build               only builds every target
#
# Targets run side by side, one per core (KELZO_FUZZ_JOBS sets how many at once). Each starts from its seeds and findings in tests/fuzz/corpus/<target>/
# (never written to); what it learns goes to build-asan/fuzz-runs/<target>/corpus, and any finding to
# build-asan/fuzz-runs/<target>/findings/. Prints runs, exec/s and findings per target; exits 1 on a finding.
# A finding is mended in the code it points at, and its input (minimize it with -minimize_crash=1) is kept in
# the target's corpus folder, where the replay tests of the normal and sanitizer builds run it every time.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-asan"
jobs="${KELZO_FUZZ_JOBS:-$(nproc 2>/dev/null || echo 2)}"

what="${1:-all}"
runs="${2:-1000000}"
build_only=0
case "$what" in
  --smoke) limit=(-max_total_time=5); what=all ;;
  --build) build_only=1; limit=(); what=all ;;
  *) limit=(-runs="$runs") ;;
esac

targets=()
for source in "$root"/tests/fuzz/*.cpp; do
  targets+=("$(basename "$source" .cpp)")
done
if [ "$what" = "--list" ]; then
  printf '%s\n' "${targets[@]}"
  exit 0
fi
if [ "$what" != all ]; then
  IFS=, read -r -a targets <<<"$what"
  for target in "${targets[@]}"; do
    if [ ! -f "$root/tests/fuzz/$target.cpp" ]; then
      echo "fuzz: no target $target (scripts/fuzz.sh --list)" >&2
      exit 2
    fi
  done
fi
build_log="$(mktemp)"
if ! KELZO_BUILD_TARGETS="${targets[*]/#/fuzz_}" "$root/scripts/build.sh" --sanitizer >"$build_log" 2>&1; then
  cat "$build_log" >&2
  rm -f "$build_log"
  exit 1
fi
rm -f "$build_log"
if [ "$build_only" = 1 ]; then
  exit 0
fi

run_one() {
  local target="$1"; shift
  local work="$build/fuzz-runs/$target"
  rm -rf "$work/findings"
  mkdir -p "$work/corpus" "$work/findings"
  # stdout is the game's log; libFuzzer reports on stderr.
  "$build/tests/fuzz/fuzz_$target" "$@" -timeout=2 -rss_limit_mb=2048 -close_fd_mask=1 -print_final_stats=1 \
    -artifact_prefix="$work/findings/" "$work/corpus" "$root/tests/fuzz/corpus/$target" >"$work/log" 2>&1 || true
}
export -f run_one
export build root

printf '%s\n' "${targets[@]}" | xargs -P "$jobs" -I{} bash -c 'run_one "$@"' _ {} "${limit[@]}"

status=0
failed=0
printf '%-24s %12s %10s %9s\n' target runs exec/s findings
for target in "${targets[@]}"; do
  work="$build/fuzz-runs/$target"
  done_runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -1)"
  speed="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log" | tail -1)"
  findings="$(find "$work/findings" -type f | wc -l)"
  if [ -z "$done_runs" ] && [ "$findings" -eq 0 ]; then
    findings="?"  # the run ended without its closing statistics
  fi
  printf '%-24s %12s %10s %9s\n' "$target" "${done_runs:--}" "${speed:--}" "$findings"
  if [ "$findings" != 0 ]; then
    status=1
    failed=$((failed + 1))
    echo "---- $target: $work/log" >&2
    grep -E "ERROR|SUMMARY|runtime error|fuzz $target|Test unit written" "$work/log" | head -20 >&2 || true
  fi
done
echo "fuzz: $((${#targets[@]} - failed)) passed, $failed failed"
exit "$status"
