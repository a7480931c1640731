#!/usr/bin/env bash
# The walk helpers read the game's log, whose lines begin with a time stamp ("LOG 11/12/26 11:05:41.427 ...").
# Each helper that reads a log is run here on made-up logs stamped at every hour, 00 to 23, so that a stamp is
# never taken for a tap or a screen; and a helper called with too few arguments must fail with its name.
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

if [ "$failures" -gt 0 ]; then
    echo "$failures checks failed"
    exit 1
fi
echo "walk helpers: every hour read right"
