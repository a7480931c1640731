#!/usr/bin/env bash
# Plays Arcade on the quartered clock of the speed-up flag (chosen in "settings.dat" by tools/setmode): the
# heads-up display's clock gauge runs down while nobody plays, time up raises alert 1, its first answer
# costs the single life and the game-over screens follow. Screenshots of the heads-up display and of each
# step stay in the output folder.
#
#   timed_test.sh <kelzo> <data folder> <setmode> <folder for screenshots and the log>
set -uo pipefail

kelzo="$1"; data="$2"; setmode="$3"; out="$4"
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=xvfb_support.sh
. "$here/xvfb_support.sh"
begin_desktop_run 400x560x24
cd "$work/data" || fail "no data copy"
"$setmode" . 0 0 1 >/dev/null || fail "setmode could not write settings.dat"

log="$out/kelzo.log"
launch_game
walk_fresh_start_to_play "$out"
grep -q "puzzle .* of level 1" "$log" || fail "Arcade did not start at level 1"

# The gauge (a 36-pixel circle at 228,26 of the game) must change while the clock runs.
sleep 1
import -window "$window" -crop 40x40+226+24 +repage "$out/gauge_early.png" || fail "no screenshot"
import -window "$window" "$out/hud_early.png"
sleep 7
import -window "$window" -crop 40x40+226+24 +repage "$out/gauge_late.png"
import -window "$window" "$out/hud_late.png"
changed="$(compare -metric AE "$out/gauge_early.png" "$out/gauge_late.png" null: 2>&1)"
[ "${changed%% *}" -gt 20 ] 2>/dev/null || fail "the clock gauge did not run down (differing pixels: $changed)"
echo "clock gauge: $changed pixels changed in 7 s"

# Time up: alert 1, within the level's 16 to 20 s.
for ((i = 0; i < 300; i++)); do
    grep -q "alert 1 taps:" "$log" && break
    pause 0.1
done
grep -q "alert 1 taps:" "$log" || fail "no time-up alert"
sleep 1
import -window "$window" "$out/time_up.png"
tap_to_screen alert 1 0 7
shoot_screen "$out" game_over
echo PASS
