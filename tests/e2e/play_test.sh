#!/usr/bin/env bash
# Plays the real program as a player would: a virtual X display, a fresh copy of the data folder with an
# English locale, the walk from the first start through the whole tutorial (with the undo of a wrong throw)
# into a game and on to the play screen (walk.sh), one furball
# swiped, the board seen to change, another swiped among 1000 pointer motions a second (no window manager
# here), the window closed; the program must end by itself within a few seconds with exit status 0. Started
# again, the title offers to resume and the same board comes back.
#
#   play_test.sh <kelzo> <data folder> <close_window> <pointer_burst> <folder for screenshots and the log>
set -uo pipefail

kelzo="$1"; data="$2"; closer="$3"; burst="$4"; out="$5"
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=walk.sh
source "$here/walk.sh"
mkdir -p "$out"
rm -f "$out"/*.png "$out"/kelzo.log

work="$(mktemp -d)"
xvfb_pid=""; game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill -9 "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; echo "--- program log:"; cat "$out/kelzo.log" 2>/dev/null | tail -40; exit 1; }

. "$here/xvfb_support.sh"

start_xvfb 400x560x24
echo "display $DISPLAY"

# Under a sanitizer build: leak checks, less what the X11 library keeps on purpose.
export LSAN_OPTIONS="suppressions=$here/lsan.supp:print_suppressions=0"
cp -r "$data" "$work/data"
cd "$work/data" || fail "no data copy"
log="$out/kelzo.log"
LANG=en_US.UTF-8 SDL_AUDIODRIVER=dummy "$kelzo" >"$log" 2>&1 &
game_pid=$!

wait_first_screen 0
window="$(xdotool search --name '^Kelzo$' | head -n1)"
[ -n "$window" ] || fail "no window titled Kelzo"
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window $window at $X,$Y size ${WIDTH}x$HEIGHT"
[ "$WIDTH" = 320 ] && [ "$HEIGHT" = 480 ] || fail "window is ${WIDTH}x$HEIGHT, not 320x480"
walk_language_to_title "$out"
walk_tutorial_to_play "$out"
sleep 1   # the cross-fade into the play screen ends

# A valid swipe from the furballs the play screen reports.
read -r fx fy dx dy < <(python3 "$here/pick_swipe.py" "$out/kelzo.log")
[ -n "${fx:-}" ] || fail "no valid swipe found among the reported furballs"
echo "swipe furball at $fx,$fy toward $dx,$dy"

moves_before="$(grep -c "move made" "$out/kelzo.log")"
import -window "$window" "$out/before.png" || fail "no screenshot"
swipe "$fx" "$fy" "$dx" "$dy"
moves_seen() { [ "$(grep -c "move made" "$out/kelzo.log")" -gt "$moves_before" ]; }
wait_for 50 moves_seen || fail "the swipe made no move"
sleep 2   # the furballs fly and settle
import -window "$window" "$out/after.png" || fail "no screenshot"
changed="$(compare -metric AE "$out/before.png" "$out/after.png" null: 2>&1 | cut -d' ' -f1)"
echo "pixels changed by the move: $changed"
[ "${changed%%.*}" -gt 100 ] 2>/dev/null || fail "the board did not change on screen ($changed pixels)"

# A mouse that never rests: a swipe among 1000 motions a second must still be made.
read -r fx fy dx dy < <(python3 "$here/pick_swipe.py" --wait 4 "$out/kelzo.log")
[ -n "${fx:-}" ] || fail "no valid swipe on the board after the first move"
moves_before="$(grep -c "move made" "$out/kelzo.log")"
{ sleep 0.3; echo "$fx $fy $dx $dy"; } | "$burst" "$window" 1000 1000 >/dev/null || fail "pointer_burst failed"
wait_for 20 moves_seen || fail "the swipe among 1000 motions a second was lost"
echo "a swipe among 1000 motions a second was made"
sleep 2   # the furballs settle: a board the swipe solved makes way for the next before the window closes

"$closer" "$window" || fail "cannot close the window"
start=$(date +%s%N)
for ((i = 0; i < 100; i++)); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$game_pid" 2>/dev/null && fail "still running 10 s after the window was closed"
wait "$game_pid"; status=$?
game_pid=""
took=$(( ($(date +%s%N) - start) / 1000000 ))
echo "ended $took ms after the close, exit status $status"
[ "$status" -eq 0 ] || fail "exit status $status"
[ "$took" -lt 5000 ] || fail "took $took ms to end"

# Started again in the same folder: the title offers the game left on the play screen, and Resume brings
# back its board as it was left.
left="$(grep "furballs (cell:centre)" "$log" | tail -n1 | sed 's/^.*furballs/furballs/')"
mv "$log" "$out/kelzo-first.log"
LANG=en_US.UTF-8 SDL_AUDIODRIVER=dummy "$kelzo" >"$log" 2>&1 &
game_pid=$!
wait_first_screen 0
window="$(xdotool search --name '^Kelzo$' | head -n1)"
[ -n "$window" ] || fail "no window after the restart"
wait_for 50 grep -q "alert 9 taps:" "$log" || fail "the title did not offer to resume"
sleep 1.2   # the offer comes 1.1 s after the title
shoot_screen "$out" resume_offer
tap_to_screen alert 9 1 2
back="$(grep "furballs (cell:centre)" "$log" | tail -n1 | sed 's/^.*furballs/furballs/')"
[ -n "$back" ] && [ "$back" = "$left" ] || fail "the board did not come back: left [$left], back [$back]"
echo "the board came back as it was left"
shoot_screen "$out" resumed

# A double tap on the bottom bar leaves the board for the main menu; its screens open and come back; the
# resume button returns to the board.
shown="$(log_count "screen 3 shown")"
tap_at 160 462; sleep 0.1; tap_at 160 462
wait_more "screen 3 shown" "$shown" || fail "the double tap on the bottom bar did not open the main menu"
# entry:screen: settings, themes, high scores, statistics; each has Back as tag 0.
for pair in 4:4 11:18 1:9; do
    tap_to_screen screen 3 "${pair%%:*}" "${pair##*:}"
    shoot_screen "$out" "screen_${pair##*:}"
    # The high-score screen's first touch may only put away its name prompt: Back is tapped once more then.
    shown="$(log_count "screen 3 shown")"
    # shellcheck disable=SC2046
    tap_at $(tap_point screen "${pair##*:}" 0)
    if ! wait_more "screen 3 shown" "$shown"; then
        # shellcheck disable=SC2046
        tap_at $(tap_point screen "${pair##*:}" 0)
        wait_more "screen 3 shown" "$shown" || fail "Back on screen ${pair##*:} did not return to the main menu"
    fi
done
# Statistics, its history strip and back.
tap_to_screen screen 3 2 13
shoot_screen "$out" screen_13
tap_to_screen screen 13 1 14
shoot_screen "$out" screen_14
tap_to_screen screen 14 0 13
tap_to_screen screen 13 0 3

# The tutorial again, from the main menu: the bar's double tap asks whether to leave it, and yes leaves.
tap_to_screen screen 3 5 6
tap_to_alert_answer 6 0
wait_tutorial_step 43
asked="$(log_count "alert 5 taps:")"
double_tap_bar
wait_more "alert 5 taps:" "$asked" || fail "the bar's double tap did not ask to leave the tutorial"
tap_to_screen alert 5 1 3
tap_to_screen screen 3 7 2
"$closer" "$window" || fail "cannot close the window after the restart"
for ((i = 0; i < 100; i++)); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
wait "$game_pid"; status=$?
game_pid=""
[ "$status" -eq 0 ] || fail "exit status $status after the restart"
echo "PASS"
