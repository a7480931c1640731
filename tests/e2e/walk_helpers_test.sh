#!/usr/bin/env bash
# The walk helpers read the game's log, whose lines begin with a time stamp ("LOG 11/12/26 11:05:41.427 ...").
# Each helper that reads a log is run here on made-up logs stamped at every hour, 00 to 23, so that a stamp is
# never taken for a tap or a screen; and a helper called with too few arguments must fail with its name. The
# new-level popup's button is found only while the popup waits for an answer.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "fail: $*" >&2; exit 1; }
# shellcheck source=walk.sh
. "$here/walk.sh"

expect() {   # expect <what> <wanted> <got>
    if [ "$2" != "$3" ]; then
        echo "FAIL: $1: wanted '$2', got '$3'"
        failures=$((failures + 1))
    fi
}

# A log line as the game writes it, at hour $1.
stamped() { printf 'LOG 11/12/26 %s:05:41.427 %s\n' "$1" "$2"; }

for ((h = 0; h < 24; h++)); do
    hour="$(printf '%02d' "$h")"
    log="$work/log_$hour"
    {
        stamped "$hour" "screen 3 taps: 0:160,100 11:160,300 11:170,310 7:1,2"
        stamped "$hour" "screen 4 taps: $h:40,50"
        stamped "$hour" "alert 7 taps: 0:161,241"
        stamped "$hour" "screen 1 (from 15)"
        stamped "$hour" "alert 7 taps: 0:99,99"
        stamped "$hour" "screen 2 (from 1)"
        stamped "$hour" "screen 18 taps: 104:30,30 $h:20,20"
    } >"$log"
    expect "tag 11 at $hour:00" "160 300" "$(tap_point screen 3 11)"
    expect "last tag 11 at $hour:00" "170 310" "$(tap_point screen 3 11 last)"
    expect "second tag 11 at $hour:00" "170 310" "$(tap_point screen 3 11 2)"
    expect "a third tag 11 at $hour:00" "" "$(tap_point screen 3 11 3)"
    expect "tag $h at $hour:00" "40 50" "$(tap_point screen 4 "$h")"
    expect "tag 0 at $hour:00" "160 100" "$(tap_point screen 3 0)"
    expect "a tag not listed at $hour:00" "" "$(tap_point screen 3 99)"
    expect "tag $h of screen 18 at $hour:00" "20 20" "$(tap_point screen 18 "$h")"
    expect "the intro's dialog at $hour:00" "161 241" "$(intro_alert_point)"
done

# Too few arguments: the helper's own name in a clear message, never bash's "unbound variable".
log="$work/log_11"
for call in "tap_point screen 3" "tap_xy_to_screen 160 240" "tap_at 5" "wait_more pattern" "swipe 1 2 3" \
            "tap_to_screen screen 3 0" "swipe_cell 1 2 3" "tap_to_alert_answer"; do
    message="$( (set -u; $call) 2>&1)"
    name="${call%% *}"
    case "$message" in
        *unbound*) expect "$call" "a message naming $name" "$message" ;;
        *"$name"*) ;;
        *) expect "$call" "a message naming $name" "$message" ;;
    esac
done

# The Free Play new-level popup (alert 2): its Next Level (tag 1) only while it waits for an answer, grown in.
popup_log() {   # popup_log <line ...>: a log of a solved level, then the given lines
    stamped 11 "move made, 1 furballs left"
    stamped 11 "board solved"
    for line in "$@"; do stamped 11 "$line"; done
}
listed="alert 2 taps: 10:160,166 1:160,303"
log="$work/popup"
while IFS='|' read -r what wanted lines; do
    IFS=';' read -r -a entries <<<"$lines"
    popup_log "${entries[@]}" >"$log"
    expect "the popup point: $what" "$wanted" "$(level_popup_point)"
done <<CASES
grown in|160 303|$listed;alert grown in
not grown in yet||$listed
answered||$listed;alert grown in;alert 2 answered 1
another alert grown in before it||alert grown in;$listed
the next level's popup|160 250|$listed;alert grown in;alert 2 answered 1;alert 2 taps: 1:160,250;alert grown in
no popup||puzzle 7 of level 1
CASES

# Where play stands after the last move.
while IFS='|' read -r what wanted lines; do
    IFS=';' read -r -a entries <<<"$lines"
    for line in "${entries[@]}"; do stamped 11 "$line"; done >"$log"
    expect "after the last move: $what" "$wanted" "$(after_last_move)"
done <<CASES
no move yet|other|puzzle 7 of level 1
a move that left two|other|move made, 2 furballs left
the last furball, no board yet|waiting|move made, 2 furballs left;move made, 1 furballs left;board solved
the next board dealt|dealt|move made, 1 furballs left;board solved;puzzle 8 of level 1
a move on the next board|other|move made, 1 furballs left;puzzle 8 of level 1;move made, 11 furballs left
CASES

if [ "$failures" -gt 0 ]; then
    echo "$failures checks failed"
    exit 1
fi
echo "walk helpers: every hour read right"
