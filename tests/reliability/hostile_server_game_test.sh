#!/usr/bin/env bash
# The real program against each scenario of tests/support/hostile_http_server.py (refused, silent, a byte
# a second, garbage, 50 MiB, 100,000 rows, a lying length, bad chunks, a redirect, a close mid-body),
# pointed at it through KELZO_SERVER_HOST. At start it sends its statistics report there; then the focus
# goes away and back (the pause report) and the window is closed (the exit report). Each time the game
# must reach its first screen, never make a request on its main loop's thread, and end with exit status 0
# within 5 s of the close.
#
#   hostile_server_game_test.sh <kelzo> <data folder> <close_window> <folder for logs>
set -uo pipefail

kelzo="$1"; data="$2"; closer="$3"; out="$4"
here="$(cd "$(dirname "$0")" && pwd)"
server_script="$here/../support/hostile_http_server.py"
mkdir -p "$out"
rm -f "$out"/*.log

work="$(mktemp -d)"
xvfb_pid=""; wm_pid=""; game_pid=""; server_pid=""; other_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill -9 "$game_pid" 2>/dev/null
    [ -n "$other_pid" ] && kill "$other_pid" 2>/dev/null
    stop_loopback_server
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
log=/dev/null
fail() { echo "FAIL: $*"; echo "--- program log ($log):"; tail -30 "$log" 2>/dev/null; exit 1; }

# shellcheck source=../e2e/xvfb_support.sh
. "$here/../e2e/xvfb_support.sh"
# shellcheck source=../e2e/walk.sh
. "$here/../e2e/walk.sh"

start_xvfb 600x700x24
start_window_manager
export LSAN_OPTIONS="suppressions=$here/../e2e/lsan.supp:print_suppressions=0"

for scenario in refused silent byte_a_second garbage huge rows lying_length bad_chunk_size bad_chunk_text \
                redirect close_mid_body; do
    log="$out/$scenario.log"
    start_loopback_server "$server_script" "$work/$scenario.server" "$scenario" --lifetime 120

    rm -rf "$work/data"
    cp -r "$data" "$work/data"
    (cd "$work/data" && KELZO_SERVER_HOST="127.0.0.1:$port" SDL_AUDIODRIVER=dummy exec "$kelzo") >"$log" 2>&1 &
    game_pid=$!
    wait_for 300 grep -q "screen 0 shown" "$log" || fail "$scenario: no first screen within 30 s"
    grep -q "servers at 127.0.0.1:$port" "$log" || fail "$scenario: the game did not take KELZO_SERVER_HOST"
    window="$(xdotool search --name '^Kelzo$' | head -n1)"
    [ -n "$window" ] || fail "$scenario: no window titled Kelzo"
    if [ "$scenario" != refused ]; then
        wait_for 50 grep -q "REQUEST GET /kelzo/buy/" "$work/$scenario.server" || fail "$scenario: no report at start"
    fi

    # The focus away and back: the pause report, then a frame drawn within a second of the return.
    focus_away_and_back 10

    "$closer" "$window" || fail "$scenario: cannot close the window"
    start=$(date +%s%N)
    wait_for 100 sh -c "! kill -0 $game_pid" || fail "$scenario: still running 10 s after the close"
    wait "$game_pid"; status=$?; game_pid=""
    took=$(( ($(date +%s%N) - start) / 1000000 ))
    stop_loopback_server
    grep -q "holds up the main loop" "$log" && fail "$scenario: a request was made on the main loop's thread"
    [ "$status" -eq 0 ] || fail "$scenario: exit status $status"
    [ "$took" -lt 5000 ] || fail "$scenario: took $took ms to end after the close"
    echo "$scenario: ended $took ms after the close, status 0"
done
echo "PASS"
