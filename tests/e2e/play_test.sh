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
# shellcheck source=xvfb_support.sh
. "$here/xvfb_support.sh"
begin_desktop_run 400x560x24
echo "display $DISPLAY"
log="$out/kelzo.log"
launch_game
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window $window at $X,$Y size ${WIDTH}x$HEIGHT"
[ "$WIDTH" = 320 ] && [ "$HEIGHT" = 480 ] || fail "window is ${WIDTH}x$HEIGHT, not 320x480"
walk_first_start_to_how_to_play "$out"
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

close_game
echo "ended $took ms after the close, exit status $status"
[ "$status" -eq 0 ] || fail "exit status $status"
[ "$took" -lt 5000 ] || fail "took $took ms to end"

# Started again in the same folder: the title offers the game left on the play screen, and Resume brings
# back its board as it was left.
left="$(grep "furballs (cell:centre)" "$log" | tail -n1 | sed 's/^.*furballs/furballs/')"
mv "$log" "$out/kelzo-first.log"
launch_game
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
close_game
[ "$status" -eq 0 ] || fail "exit status $status after the restart"
echo "PASS"
