#!/usr/bin/env bash
# The real program against each scenario of tests/support/hostile_http_server.py (refused, silent, a byte
# a second, garbage, 50 MiB, 100,000 rows, a lying length, bad chunks, a redirect, a close mid-body),
# pointed at it through KELZO_SERVER_HOST. At start it sends its statistics report there; then the focus
# goes away and back (the pause report) and the window is closed (the exit report). Each time the game
# must reach its first screen, never make a request on its main loop's thread, and end with exit status 0
# within 8 s of the close (the exit report waits at most 3 s; a sanitizer build on a busy machine needs the rest).
#
#   hostile_server_game_test.sh <kelzo> <data folder> <close_window> <folder for logs>
set -uo pipefail

kelzo="$1"; data="$2"; closer="$3"; out="$4"
here="$(cd "$(dirname "$0")" && pwd)"
server_script="$here/../support/hostile_http_server.py"
# shellcheck source=../e2e/xvfb_support.sh
. "$here/../e2e/xvfb_support.sh"
begin_desktop_run 600x700x24 wm

for scenario in refused silent byte_a_second garbage huge rows lying_length bad_chunk_size bad_chunk_text \
                redirect close_mid_body; do
    fail_context="$scenario"
    log="$out/$scenario.log"
    start_loopback_server "$server_script" "$work/$scenario.server" "$scenario" --lifetime 120
    copy_data_folder
    launch_game KELZO_SERVER_HOST="127.0.0.1:$port"
    grep -q "servers at 127.0.0.1:$port" "$log" || fail "the game did not take KELZO_SERVER_HOST"
    if [ "$scenario" != refused ]; then
        wait_for 50 grep -q "REQUEST GET /kelzo/buy/" "$work/$scenario.server" || fail "no report at start"
    fi

    # The focus away and back: the pause report, then a frame drawn within a second of the return.
    focus_away_and_back 10

    close_game
    stop_loopback_server
    grep -q "holds up the main loop" "$log" && fail "a request was made on the main loop's thread"
    [ "$status" -eq 0 ] || fail "exit status $status"
    [ "$took" -lt 8000 ] || fail "took $took ms to end after the close"
    echo "$scenario: ended $took ms after the close, status 0"
done
echo "PASS"
