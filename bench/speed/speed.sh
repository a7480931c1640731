#!/usr/bin/env bash
# Measures the real game in a virtual X display (openbox, the loopback score server) and prints:
#   - the idle CPU use on each resting screen, as a share of one core (goal: at most 2%); the main menu, the
#     high-score screen and the language menu were made to ask for frames only while something on them moves
#     (they once drew on every pass) and are marked;
#   - the CPU time per frame drawn on those screens (goal: at most 2 ms): the CPU the whole process used over
#     the measured seconds divided by the frames it drew (the loop's rests, the music and the software GL
#     driver's own threads included), then the main thread's CPU per frame in the game's drawing and in the
#     buffer swap (from the game's loop stats), and the longest main-loop pass;
#   - the longest main-loop pass while each hostile server scenario meets the start-up report, the high-score
#     screen and the contact form (goal: at most 100 ms; the loop's own rests of at most 30 ms included).
# Figures only: nothing here passes or fails on a time. A figure that cannot be measured (a screen not reached,
# no loop stats, no frame drawn) ends the script with status 1 and says why.
#
#   bench/speed/speed.sh [build folder, default build] [seconds per screen, default 5] [hostile scenario ...]
#
# The scenarios are those of tests/reliability/hostile_screens_test.sh (names, or "<k>/<n>"), all by default.
# The walk uses the end-to-end tests' helpers (tests/e2e/walk.sh), so a change of the screen flow breaks this
# script in the same run as those tests. Needs Xvfb, xdotool, openbox, wmctrl, x11-apps and the helpers built
# under tests/e2e. The game logs its main-loop passes each second (KELZO_LOOP_STATS).
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
seconds="${2:-5}"
shift 2 2>/dev/null || shift $#
scenarios=("$@")
e2e="$root/tests/e2e"
ticks_per_second="$(getconf CLK_TCK)"

kelzo="$build/kelzo"; data="$build/data"; closer="$build/tests/e2e/close_window"
# shellcheck source=../../tests/e2e/xvfb_support.sh
. "$e2e/xvfb_support.sh"
begin_desktop_run 600x700x24 wm
log="$work/kelzo.log"
start_loopback_server "$root/tests/support/loopback_score_server.py" "$work/server.txt" \
    --lifetime 900 --max-requests 2000
launch_game KELZO_LOOP_STATS=1 KELZO_SERVER_HOST="127.0.0.1:$port"

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$game_pid/stat"; }

# Rests 2 s on the screen, then measures it for $seconds seconds and prints one row; $2 goes after the row.
measure() {
    local name="$1" before_ticks after_ticks before_lines row
    sleep 2
    before_lines="$(log_count "loop stats")"
    before_ticks="$(cpu_ticks)"
    sleep "$seconds"
    after_ticks="$(cpu_ticks)"
    row="$(grep "loop stats" "$log" | tail -n +"$((before_lines + 1))" |
        awk -v name="$name" -v ticks="$((after_ticks - before_ticks))" -v hz="$ticks_per_second" \
            -v seconds="$seconds" -v apart="${2:-}" '
        { frames += $8; passes += $6; if ($12 + 0 > longest) longest = $12 + 0
          drawing += $8 * $17; swap += $8 * $20 }
        END {
            if (NR == 0 || frames == 0) exit 1
            cpu = ticks / hz
            printf "%-26s %7.2f%% %8d %10.2f %9.2f %9.2f %10.1f %s\n", name, 100 * cpu / seconds, frames,
                   1000 * cpu / frames, drawing / frames, swap / frames, longest, apart
        }')" || fail "$name: no frame drawn, or no loop stats logged, in $seconds s"
    echo "$row"
}

echo "== resting screens, ${seconds} s each (CPU time from /proc, ${ticks_per_second} ticks a second)"
printf "%-26s %8s %8s %10s %9s %9s %10s\n" screen "CPU" frames "ms/frame" drawing swap "longest"
walk_first_screen >/dev/null   # an English first start opens on the title
measure title
walk_first_title_to_main_menu >/dev/null
measure "main menu" "(asks only while moving)"
tap_to_screen screen 3 0 15 >/dev/null
measure "game-mode menu"
tap_to_screen screen 15 0 1 last >/dev/null   # Start (the mode tiles use the same tags)
leave_game_intro
measure "play (board at rest)"
shown="$(log_count "screen 3 shown")"
double_tap_bar
wait_more "screen 3 shown" "$shown" || fail "no main menu from the board"
tap_to_screen screen 3 4 4 >/dev/null
measure settings
tap_to_screen screen 4 104 17 >/dev/null
measure "language menu" "(asks only while moving)"
tap_to_screen screen 17 1 4 >/dev/null
tap_to_screen screen 4 0 3 >/dev/null
tap_to_screen screen 3 11 18 >/dev/null
measure themes
tap_to_screen screen 18 0 3 >/dev/null
tap_to_screen screen 3 1 9 >/dev/null
measure "high scores" "(asks only while moving)"
tap_at 160 300; sleep 0.5   # puts away the first visit's tip, if any
tap_to_screen screen 9 0 3 >/dev/null
tap_to_screen screen 3 2 13 >/dev/null
measure statistics
tap_to_screen screen 13 1 14 >/dev/null
measure history
tap_to_screen screen 14 0 13 >/dev/null
tap_to_screen screen 13 0 3 >/dev/null
tap_to_screen screen 3 6 11 >/dev/null
measure contact
close_game
log=""   # a failure from here on shows the hostile walk's own output, not this game's log
echo
echo "== the longest main-loop pass per hostile server scenario (start-up report, high scores, contact form)"
KELZO_LOOP_STATS=1 "$root/tests/reliability/hostile_screens_test.sh" "$kelzo" "$data" "$closer" "$work/hostile" \
    "${scenarios[@]}" >"$work/hostile.txt" 2>&1 ||
    { tail -20 "$work/hostile.txt"; fail "the hostile server walk failed"; }
printf "%-16s %10s %8s\n" scenario "longest" seconds
shopt -s nullglob
scenario_logs=("$work"/hostile/*.log)
[ "${#scenario_logs[@]}" -gt 0 ] || fail "the hostile server walk left no logs"
for scenario_log in "${scenario_logs[@]}"; do
    scenario="$(basename "$scenario_log" .log)"
    grep "loop stats" "$scenario_log" | awk -v name="$scenario" '
        { n++; if ($12 + 0 > longest) longest = $12 + 0 }
        END { if (n == 0) exit 1; printf "%-16s %7.1f ms %8d\n", name, longest, n }' ||
        fail "$scenario: no loop stats logged"
done
