#!/usr/bin/env bash
# Plays the real program on a desktop with a window manager (openbox in a virtual X display), the way a
# person with a fast mouse does:
#   1. 1000 pointer motions in a second while furballs fly, a swipe among them: the swipe is made;
#   2. the focus to another window, 1000 motions over the game, the focus back amid them: the game resumes,
#      and a swipe is drawn within a second;
#   3. minimised and restored: the picture 200 ms after the restore is not black;
#   4. closed by the window manager: exit status 0.
# Then two more runs: the window destroyed by another program ends the game with status 0; the connection to
# the X server killed ends it with status 1, the settings and experiment files saved first.
#
#   desktop_test.sh <kelzo> <data folder> <close_window> <pointer_burst> <folder for screenshots and logs>
set -uo pipefail

kelzo="$1"; data="$2"; closer="$3"; burst="$4"; out="$5"
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=xvfb_support.sh
. "$here/xvfb_support.sh"
count() { grep -c "$1" "$log"; }
more_than() { [ "$(count "$1")" -gt "$2" ]; }

begin_desktop_run 600x700x24 wm
echo "display $DISPLAY, window manager up"

# Starts the game in a fresh copy of the data folder, logging to $1, and walks it to the play screen; sets
# game_pid and window.
start_game() {
    log="$1"
    copy_data_folder
    launch_game
    echo "game $game_pid, window $window"
    walk_fresh_start_to_play
    sleep 1   # the cross-fade into the play screen ends
}

# Waits up to 10 s for the game to end; sets status.
wait_end() {
    wait_game_end "$1"
    echo "ended after $1 with status $status"
}

# The swipe of a valid move on the board the log last reported, as "x y dx dy", waiting up to 4 s for a
# finished board to be replaced.
next_swipe() { python3 "$here/pick_swipe.py" --wait 4 "$log" | grep .; }

shot() { import -window "$window" "$out/$1.png" 2>/dev/null; }
# Mean brightness of a screenshot, 0 to 1.
brightness() { convert "$out/$1.png" -colorspace Gray -format "%[fx:mean]" info:; }
differs() { # pixels that differ between two screenshots, more than 100
    local n
    n="$(compare -metric AE "$out/$1.png" "$out/$2.png" null: 2>&1 | cut -d' ' -f1)"
    [ "${n%%.*}" -gt 100 ] 2>/dev/null
}

start_game "$out/kelzo.log"

# 1. Motions during a flight, and a swipe among them (the mouse never rests).
read -r fx fy dx dy < <(next_swipe) || fail "no valid swipe"
moves="$(count "move made")"
swipe "$fx" "$fy" "$dx" "$dy"
wait_for 50 more_than "move made" "$moves" || fail "the first swipe made no move"
read -r fx fy dx dy < <(next_swipe) || fail "no valid swipe after the first move"
moves="$(count "move made")"
{ sleep 0.5; echo "$fx $fy $dx $dy"; } | "$burst" "$window" 1000 1000 >/dev/null || fail "pointer_burst failed"
wait_for 20 more_than "move made" "$moves" || fail "the swipe among 1000 motions during a flight was lost"
echo "1: the swipe among 1000 motions during a flight was made"

# 2. Focus away, 1000 motions over the game, the focus back while they still come.
sleep 2   # the flight ends and a finished board is replaced
losses="$(count "focus lost")"
xlogo -geometry 200x200+350+400 2>/dev/null &
other_pid=$!
wait_for 50 more_than "focus lost" "$losses" || fail "the game did not lose the focus to another window"
gains="$(count "focus gained")"
"$burst" "$window" 1000 1000 </dev/null &
burst_pid=$!
sleep 0.5
wmctrl -i -a "$window"
wait "$burst_pid" || fail "pointer_burst failed"
wait_for 10 more_than "focus gained" "$gains" || fail "the game did not resume within a second of the focus"
read -r fx fy dx dy < <(next_swipe) || fail "no valid swipe after the focus came back"
shot focus_before || fail "no screenshot"
swipe "$fx" "$fy" "$dx" "$dy"
redrawn() { shot focus_after && differs focus_before focus_after; }
wait_for 10 redrawn || fail "no swipe drawn within a second of the focus coming back"
kill "$other_pid" 2>/dev/null; wait "$other_pid" 2>/dev/null; other_pid=""
echo "2: after the focus came back a swipe was drawn within a second"

# 3. Minimised and restored.
sleep 2   # the flight ends
losses="$(count "focus lost")"
xdotool windowminimize "$window"
wait_for 50 more_than "focus lost" "$losses" || fail "minimising did not pause the game"
sleep 0.5
wmctrl -i -a "$window"
sleep 0.2
shot restored || fail "no screenshot after the restore"
light="$(brightness restored)"
echo "3: brightness 200 ms after the restore: $light"
python3 -c "import sys; sys.exit(0 if float('$light') > 0.05 else 1)" || fail "the window is black after the restore"

# 4. Closed by the window manager.
wmctrl -i -c "$window"
wait_end "the window manager closed the window"
[ "$status" -eq 0 ] || fail "exit status $status after a close by the window manager"
echo "4: closed by the window manager, status 0"

# The window destroyed by another program.
start_game "$out/destroyed.log"
"$closer" --destroy "$window" || fail "cannot destroy the window"
wait_end "the window was destroyed"
[ "$status" -eq 0 ] || fail "exit status $status after the window was destroyed"
grep -q "game window was destroyed" "$log" || fail "no log line about the destroyed window"
echo "5: window destroyed from outside, status 0"

# The connection to the X server killed: the state files are saved before the end.
start_game "$out/killed.log"
# The board's furballs have come in and nothing moves: a frame handed to the GL driver as the connection dies
# can leave the driver writing to it for ever.
sleep 3
touch -d "2000-01-01" "$work/data/settings.dat" "$work/data/settings2b.dat" || fail "no state files to watch"
xdotool windowkill "$window"
wait_end "the X connection was killed"
[ "$status" -eq 1 ] || fail "exit status $status after the X connection was lost, not 1"
grep -q "lost the connection to the X server" "$log" || fail "no log line about the lost connection"
for f in settings.dat settings2b.dat; do
    [ "$(stat -c %Y "$work/data/$f")" -gt 946684800 ] || fail "$f was not saved before the end"
done
echo "6: X connection killed, state files saved, status 1"
echo "PASS"
