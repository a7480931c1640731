#!/usr/bin/env bash
# Challenge and Frenzy played in the real program: a virtual X display, a fresh copy of the data folder, the
# walk to the game-mode menu. Challenge: its level intro with par and hints, every puzzle of level 1 solved
# by swipes, the result popup with the time, the best kept in "personalBests.dat" and offered again by the
# intro after a restart. Frenzy: with the quota scaled down in "settings.dat" two cleared furballs complete
# level 1 (its popup, a best in "fPersonalBests.dat"); with the drop interval scaled down the drops fill the
# board, the level is lost and starts again. Screenshots of each step go into the output folder.
#
#   ladder_modes_test.sh <kelzo> <data folder> <close_window> <folder for screenshots and the log>
set -uo pipefail

kelzo="$1"; data="$2"; closer="$3"; out="$4"
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=xvfb_support.sh
. "$here/xvfb_support.sh"
begin_desktop_run 400x560x24
cd "$work/data" || fail "no data copy"
log="$out/kelzo.log"

start_game() {
    [ -f "$log" ] && mv "$log" "$out/kelzo-$1.log"
    launch_game
}

stop_game() {
    close_game
    [ "$status" -eq 0 ] || fail "exit status $status"
}

# Taps button $1 of the newest level popup, once it has popped in.
answer_popup() {
    wait_alert_grown_in -1
    # shellcheck disable=SC2046
    tap_at $(tap_point alert -1 "$1")
}

# Solves the board last logged, swipe by swipe.
solve_board() {
    local moves
    mapfile -t moves < <(python3 "$here/solve_swipes.py" "$log")
    [ "${#moves[@]}" -gt 0 ] || fail "no solution for the board logged last"
    for m in "${moves[@]}"; do
        local before
        before="$(log_count "move made")"
        # shellcheck disable=SC2086
        swipe $m
        wait_more "move made" "$before" || fail "the swipe $m made no move"
        sleep 0.8
    done
}

# Sets a float of "settings.dat" at byte offset $1 to $2.
set_settings_float() {
    python3 - "$1" "$2" <<'PY'
import struct, sys
offset, value = int(sys.argv[1]), float(sys.argv[2])
data = bytearray(open("settings.dat", "rb").read())
data[offset:offset + 4] = struct.pack("<f", value)
open("settings.dat", "wb").write(bytes(data))
PY
}

# Whether the log names a board dealt after the first lost Frenzy level.
board_after_loss() {
    awk '/frenzy level [0-9]* lost/ { lost = 1; next } lost && /puzzle .* of level/ { found = 1 } END { exit !found }' "$log"
}

# From the play screen to the main menu by the bar's double tap.
leave_play() {
    local shown
    shown="$(log_count "screen 3 shown")"
    double_tap_bar
    wait_more "screen 3 shown" "$shown" || fail "the double tap on the bottom bar did not open the main menu"
}

# From the main menu: the mode tile $1 and Start.
start_mode() {
    tap_to_screen screen 3 0 15
    # A tile logs nothing when chosen; the taps reach the game in order, so Start comes after it anyway, and
    # the pause only lets the screenshot show the choice.
    # shellcheck disable=SC2046
    tap_at $(tap_point screen 15 "$1")
    sleep 0.5
    shoot_screen "$out" "mode_menu_$1"
    local screens
    screens="$(log_count "screen [12] shown")"
    # shellcheck disable=SC2046
    tap_at $(tap_point screen 15 0 last)
    wait_more "screen [12] shown" "$screens" || fail "Start of mode $1 showed neither the intro nor the board"
}

# ---- Challenge
start_game first
walk_first_start_to_main_menu "$out"
popups="$(log_count "alert -1 taps")"
start_mode 3
wait_more "alert -1 taps" "$popups" || fail "no Challenge level intro"
grep "alert -1:" "$log" | tail -n1 | grep -q "Challenge Level 1" || fail "the intro is not the one of level 1"
shoot_screen "$out" challenge_intro
boards="$(log_count "puzzle .* of level")"
answer_popup 0
wait_more "puzzle .* of level" "$boards" || fail "Start of the intro brought no puzzle"
sleep 1
shoot_screen "$out" challenge_play
for puzzle in 1 2 3; do
    popups="$(log_count "alert -1 taps")"
    boards="$(log_count "puzzle .* of level")"
    solve_board
    if [ "$puzzle" -lt 3 ]; then
        wait_more "puzzle .* of level" "$boards" || fail "no puzzle $((puzzle + 1)) after puzzle $puzzle"
        sleep 1
    fi
done
wait_more "alert -1 taps" "$popups" || fail "no result popup after the last puzzle of the level"
grep "alert -1:" "$log" | tail -n1 | grep -q "Level Complete" || fail "the result is not a passed level"
wait_alert_grown_in -1   # the result pops in 800 ms after the last puzzle
shoot_screen "$out" challenge_result
[ -s personalBests.dat ] || fail "no personalBests.dat after a passed level"
popups="$(log_count "alert -1 taps")"
answer_popup 0   # Replay: the intro of the same level
wait_more "alert -1 taps" "$popups" || fail "Replay showed no level intro"
wait_alert_grown_in -1
shoot_screen "$out" challenge_replay_intro
stop_game

# The intro of a new start offers the best it kept.
start_game second
wait_for 50 grep -q "alert 9 taps:" "$log" || fail "the title did not offer to resume"
popups="$(log_count "alert -1 taps")"
tap_to_screen alert 9 1 2
wait_more "alert -1 taps" "$popups" || fail "the resumed Challenge showed no level intro"
shoot_screen "$out" challenge_intro_with_best
answer_popup 0
sleep 1

# ---- Frenzy, level 1 with a quota of 2 (quota scale 20)
stop_game
set_settings_float 182 20
start_game third
wait_for 50 grep -q "alert 9 taps:" "$log" || fail "the title did not offer to resume"
tap_to_screen alert 9 1 2
sleep 1
leave_play
start_mode 1
if [ "$(grep "screen [12] shown" "$log" | tail -n1 | grep -c "screen 1 ")" = 1 ]; then
    shoot_screen "$out" frenzy_intro
    leave_game_intro
fi
sleep 3
shoot_screen "$out" frenzy_play
# The level is won a moment after the move that clears the quota: once its popup is up no swipe moves, so
# the log is read before each try.
for ((try = 0; try < 12; try++)); do
    wait_for 15 grep -q "frenzy level 1 complete" "$log" && break
    try_lone_swipe
done
if ! wait_for 60 grep -q "frenzy level 1 complete" "$log"; then
    shoot_screen "$out" frenzy_not_complete
    fail "two cleared furballs did not complete level 1"
fi
sleep 1
shoot_screen "$out" frenzy_level_complete
[ -s fPersonalBests.dat ] || fail "no fPersonalBests.dat after a completed level"
answer_popup 0   # replay level 1
sleep 1
stop_game

# ---- Frenzy: drops every few milliseconds fill the board (interval scale 25, near its cap of 30). The kept game has its own
# copy of the settings, so the saved games go and a new Frenzy game starts from the mode menu.
set_settings_float 182 1
set_settings_float 178 25
rm -f gameState.dat gameState.dat?*
start_game fourth
walk_first_title_to_main_menu   # without a saved state the title leads to the tutorial again
start_mode 1
if grep "screen [12] shown" "$log" | tail -n1 | grep -q "screen 1 "; then
    leave_game_intro
fi
wait_for 900 grep -q "frenzy level [0-9]* lost" "$log" || fail "a board filled by drops did not lose the level"
shoot_screen "$out" frenzy_board_full
# The new board may be dealt before the loss is even read here, so it is looked for among the lines written
# after the loss, not counted from now.
wait_for 100 board_after_loss || fail "the lost level did not start again"
sleep 0.5
shoot_screen "$out" frenzy_restarted
stop_game
echo "PASS"
