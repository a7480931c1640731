#!/usr/bin/env bash
# A game in progress in the real program survives the two ends a desktop brings besides a closed window:
#   1. SIGTERM (a logout, a shutdown): the game ends as on a close, with status 0, and saves;
#   2. the focus lost, then SIGKILL: what the focus loss saved is all there is.
# After each, the next start offers to resume, and Resume brings back the board as it was left.
#
#   term_resume_test.sh <kelzo> <data folder> <folder for the logs>
set -uo pipefail

kelzo="$1"; data="$2"; out="$3"
here="$(cd "$(dirname "$0")" && pwd)"
mkdir -p "$out"
rm -f "$out"/*.log

work="$(mktemp -d)"
xvfb_pid=""; wm_pid=""; game_pid=""; other_pid=""
cleanup() {
    [ -n "$other_pid" ] && kill "$other_pid" 2>/dev/null
    [ -n "$game_pid" ] && kill -9 "$game_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
log="$out/start0.log"
fail() { echo "FAIL: $*"; echo "--- program log ($log):"; tail -30 "$log" 2>/dev/null; exit 1; }

# shellcheck source=../e2e/xvfb_support.sh
. "$here/../e2e/xvfb_support.sh"
# shellcheck source=../e2e/walk.sh
. "$here/../e2e/walk.sh"

start_xvfb 600x700x24
start_window_manager
export LSAN_OPTIONS="suppressions=$here/../e2e/lsan.supp:print_suppressions=0"
cp -r "$data" "$work/data"

start_game() {
    log="$out/$1.log"
    (cd "$work/data" && exec env -u LC_ALL -u LC_MESSAGES LANG=en_US.UTF-8 SDL_AUDIODRIVER=dummy "$kelzo") >"$log" 2>&1 &
    game_pid=$!
    wait_first_screen 0
    window="$(xdotool search --name '^Kelzo$' | head -n1)"
    [ -n "$window" ] || fail "no window titled Kelzo"
}

# The furballs the last board report showed.
board_left() { grep "furballs (cell:centre)" "$log" | tail -n1 | sed 's/^.*furballs/furballs/'; }

# A move on the board, then the furballs settle (a board the move solved makes way for the next).
move_and_settle() {
    make_a_move
    sleep 2
}

# The next start offers to resume; Resume must bring back the board $1.
resume_expecting() {
    wait_for 50 grep -q "alert 9 taps:" "$log" || fail "the title did not offer to resume"
    sleep 1.2   # the offer comes 1.1 s after the title
    tap_to_screen alert 9 1 2
    local back
    back="$(board_left)"
    [ -n "$back" ] && [ "$back" = "$1" ] || fail "the board did not come back: left [$1], back [$back]"
}

start_game start0
walk_fresh_start_to_play
sleep 1   # the cross-fade into the play screen ends
move_and_settle
left="$(board_left)"

kill -TERM "$game_pid"
wait_for 100 sh -c "! kill -0 $game_pid" || fail "still running 10 s after SIGTERM"
wait "$game_pid"; status=$?; game_pid=""
[ "$status" -eq 0 ] || fail "exit status $status after SIGTERM"
echo "SIGTERM: ended with status 0"

start_game after_term
resume_expecting "$left"
echo "after SIGTERM the board came back as it was left"

sleep 1
move_and_settle
left="$(board_left)"
losses="$(log_count "focus lost")"
xlogo -geometry 100x100+450+550 2>/dev/null &
other_pid=$!
wait_more "focus lost" "$losses" || fail "the game did not lose the focus to another window"
sleep 0.5   # the pause's save is done on the main loop, right after the event
kill -9 "$game_pid"; wait "$game_pid" 2>/dev/null; game_pid=""
kill "$other_pid" 2>/dev/null; wait "$other_pid" 2>/dev/null; other_pid=""
echo "focus lost, then SIGKILL"

start_game after_kill
resume_expecting "$left"
echo "after the focus went and SIGKILL the board came back as it was left"
grep -q "gameState.dat.*starting fresh" "$log" && fail "a state file was started fresh"
echo "PASS"
