#!/usr/bin/env bash
# Kills the real program with SIGKILL at random moments while it saves, and restarts it each time:
# every restart must load every state file a completed save left without starting fresh (the
# readers log "<file> ... starting fresh" when they fall back), and must go on from the progress of
# the last completed save (the run count in settings2b.dat, which every launch, focus loss and focus
# gain saves).
#
# Round 0 plays (a setting changed, a score stored under a typed name) and closes the window, so every
# file the game writes exists; each later round starts the game, checks the files and that the stored
# score is still there, then moves the focus away and back in a loop and kills it somewhere inside that
# loop.
#
#   kill_game_test.sh <kelzo> <data folder> <close_window> <folder for logs> [rounds, default 20]
set -uo pipefail

kelzo="$1"; data="$2"; closer="$3"; out="$4"; rounds="${5:-20}"
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=../e2e/xvfb_support.sh
. "$here/../e2e/xvfb_support.sh"
log="$out/round0.log"
begin_desktop_run 600x700x24 wm
game="$work/data"

# Every file the game saves; those present before a start must load without a fallback.
state_files="settings.dat settings2b.dat settings3.dat fv.dat fiv.dat lang.dat deviceId.txt hiScores.dat
gameState.dat gameState.dat0 contactMenuState.dat personalBests.dat fPersonalBests.dat hist.dat"

# The run count of settings2b.dat ("ab02", runs, ...); empty when the file is missing or not whole.
runs_on_disk() {
    python3 - "$game/settings2b.dat" <<'PY'
import struct, sys
try:
    b = open(sys.argv[1], "rb").read()
except OSError:
    sys.exit(0)
if len(b) >= 24 and b[0:4] == b"20ba" and b[20:24] == b"10rf" and b[-4:] == b"10ba":
    print(struct.unpack("<i", b[4:8])[0])
PY
}

start_game() {
    log="$1"
    launch_game
}

# Focus away to a small window and back, over and over, until killed.
cycle_focus() {
    while true; do
        xlogo -geometry 100x100+400+500 2>/dev/null &
        local other=$!
        sleep 0.$((RANDOM % 3 + 1))
        kill "$other" 2>/dev/null
        wmctrl -i -a "$window" 2>/dev/null
        sleep 0.$((RANDOM % 3 + 1))
    done
}

# Round 0: a normal life, so every file the game writes is there: the first start walked to the main menu,
# a setting changed, an Arcade game begun and a score stored for it under a name (the console sets the score,
# Play ends the game, the name is typed on the new-high-score screen).
start_game "$out/round0.log"
runs="$(runs_on_disk)"
[ -n "$runs" ] || fail "no whole settings2b.dat after the start"
walk_first_start_to_main_menu
tap_to_screen screen 3 4 4
xdotool mousemove --window "$window" 234 98 mousedown 1
for x in 200 160 120; do xdotool mousemove --window "$window" "$x" 98; sleep 0.05; done
xdotool mouseup 1
tap_to_screen screen 4 0 3
tap_to_screen screen 3 0 15
# shellcheck disable=SC2046
tap_at $(tap_point screen 15 0)   # Arcade
sleep 0.5
tap_to_screen screen 15 0 1 last   # Start: the game intro, then the board
leave_game_intro
sleep 1
shown="$(log_count "screen 3 shown")"
double_tap_bar
wait_more "screen 3 shown" "$shown" || fail "the double tap on the bottom bar did not open the main menu"
console_command "bv.score 4321"
tap_to_screen screen 3 0 8
save_high_score_name "Kill Tester"
score_kept() { grep -qaF "Kill Tester" "$game/hiScores.dat"; }
wait_for 50 score_kept || fail "the stored score is not in hiScores.dat"
close_game
[ "$status" -eq 0 ] || fail "exit status $status after the close"
confirmed="$(runs_on_disk)"
echo "round 0: closed normally, runs $confirmed"

kills_after_saves=0
for ((round = 1; round <= rounds; round++)); do
    present=""
    for f in $state_files; do [ -e "$game/$f" ] && present="$present $f"; done
    start_game "$out/round$round.log"
    for f in $present; do
        grep -q "$f .*starting fresh" "$log" && fail "round $round: $f was there but the game started it fresh"
    done
    # The launch counts one more run on top of what it loaded.
    launched() { [ "$(runs_on_disk)" = "$((confirmed + 1))" ]; }
    wait_for 50 launched || fail "round $round: runs $(runs_on_disk) after the launch, the last save had $confirmed"

    cycle_focus &
    cycler_pid=$!
    sleep "$((RANDOM % 3)).$((RANDOM % 10))"
    saved_before="$(runs_on_disk)"
    sleep 0.0$((RANDOM % 10))
    kill -9 "$game_pid"
    wait "$game_pid" 2>/dev/null
    game_pid=""
    kill "$cycler_pid" 2>/dev/null; wait "$cycler_pid" 2>/dev/null; cycler_pid=""
    for w in $(xdotool search --name '^xlogo$' 2>/dev/null); do xdotool windowkill "$w" 2>/dev/null; done

    after="$(runs_on_disk)"
    [ -n "$after" ] || fail "round $round: settings2b.dat is missing or not whole after the kill"
    score_kept || fail "round $round: the stored score is gone from hiScores.dat"
    [ "$after" -ge "$saved_before" ] || fail "round $round: runs went back from $saved_before to $after"
    [ "$after" -gt "$((confirmed + 1))" ] && kills_after_saves=$((kills_after_saves + 1))
    echo "round $round: killed at runs $after ($(grep -c "focus lost" "$log") focus losses)"
    confirmed="$after"
done
[ "$kills_after_saves" -gt 0 ] || fail "no kill came after a save of the focus loop: the test proved nothing"
echo "PASS: $rounds kills, $kills_after_saves of them after saves made by focus changes"
