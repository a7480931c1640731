#!/usr/bin/env bash
# The high-score screen and the contact form against each scenario of tests/support/hostile_http_server.py
# (refused, silent, a byte a second, garbage, 50 MiB, 100,000 rows, a lying length, bad chunks, a redirect,
# a close mid-body), pointed at it through KELZO_SERVER_HOST. On the high-score screen the player types an
# online name (the list is fetched from the server) and leaves; on the contact form the player sends a
# feedback and leaves while it is still on its way. The window must keep answering (each Back reaches the
# main menu within 2 s), the game must end with exit status 0 within 5 s of the close, and nothing saved may
# be lost: the name stays in hiScores.dat, the feedback text in contactMenuState.dat.
#
# With KELZO_LOOP_STATS set in the environment, the game logs its main-loop passes each second; the logs
# stay in <folder for logs> for bench/speed/speed.sh to read.
#
#   hostile_screens_test.sh <kelzo> <data folder> <close_window> <folder for logs> [scenario ... | <k>/<n>]
set -uo pipefail

kelzo="$1"; data="$2"; closer="$3"; out="$4"; shift 4
all_scenarios="refused silent byte_a_second garbage huge rows lying_length bad_chunk_size bad_chunk_text redirect
close_mid_body"
scenarios="${*:-$all_scenarios}"
# "<k>/<n>" instead of names: every n-th scenario from the k-th, so that n runs side by side share them all.
if [[ "$scenarios" =~ ^([0-9]+)/([0-9]+)$ ]]; then
    part="${BASH_REMATCH[1]}" parts="${BASH_REMATCH[2]}" index=0 picked=""
    for scenario in $all_scenarios; do
        [ $((index % parts + 1)) -eq "$part" ] && picked="$picked $scenario"
        index=$((index + 1))
    done
    scenarios="$picked"
fi
here="$(cd "$(dirname "$0")" && pwd)"
server_script="$here/../support/hostile_http_server.py"
# shellcheck source=../e2e/xvfb_support.sh
. "$here/../e2e/xvfb_support.sh"
begin_desktop_run 600x700x24 wm

# Taps the child tagged $2 of screen $1 and waits at most 2 s for the main menu to be drawn.
back_within_2s() {
    local shown
    shown="$(log_count "screen 3 shown")"
    # shellcheck disable=SC2046
    tap_at $(tap_point screen "$1" "$2")
    for ((i = 0; i < 20; i++)); do
        [ "$(log_count "screen 3 shown")" -gt "$shown" ] && return 0
        pause 0.1
    done
    fail "the window did not answer: no main menu within 2 s of a tap on screen $1"
}
holds() { grep -qaF "$2" "$work/data/$1"; }

for scenario in $scenarios; do
    fail_context="$scenario"
    log="$out/$scenario.log"
    start_loopback_server "$server_script" "$work/$scenario.server" "$scenario" --lifetime 120
    copy_data_folder
    launch_game KELZO_SERVER_HOST="127.0.0.1:$port"
    walk_first_start_to_main_menu

    # The Free Play high scores: the online list, and the name the player types for it.
    tap_to_screen screen 3 1 9
    sleep 0.5
    tap_at 218 114   # the first touch puts away the first visit's tip
    sleep 0.8
    tap_at 218 114   # the online name field (y 90 to 137, above the list frame)
    sleep 0.3
    xdotool type --delay 20 "Hostile"
    wait_for 50 holds hiScores.dat Hostile || fail "the typed online name was not saved"
    sleep 1.5   # the list is asked for once the typing pauses
    back_within_2s 9 0

    # The contact form: a feedback sent, and the form left while it is on its way.
    tap_to_screen screen 3 6 11
    tap_at 280 174
    xdotool type --delay 10 "hostile@example.com"
    tap_at 280 230
    xdotool type --delay 10 "Feedback the server never took"
    # A send that fails at once leaves the form by itself, with an alert that says so; one still on its way
    # leaves with Back.
    shown="$(log_count "screen 3 shown")"
    alerts="$(log_count "alert .* taps:")"
    # shellcheck disable=SC2046
    tap_at $(tap_point screen 11 1)   # Send
    sleep 1
    if [ "$(log_count "alert .* taps:")" -gt "$alerts" ]; then
        wait_more "screen 3 shown" "$shown" || fail "the form did not leave after the failed send"
        sleep 1   # the alert takes touches once it has grown in
        # shellcheck disable=SC2046
        tap_at $(grep -o "alert [0-9-]* taps: 0:[0-9]*,[0-9]*" "$log" | tail -n1 | sed 's/.* 0://; s/,/ /')
        echo "$scenario: the send failed at once"
    else
        back_within_2s 11 0
        echo "$scenario: left the form while the send was on its way"
    fi

    close_game
    stop_loopback_server
    grep -q "holds up the main loop" "$log" && fail "a request was made on the main loop's thread"
    [ "$status" -eq 0 ] || fail "exit status $status"
    [ "$took" -lt 8000 ] || fail "took $took ms to end after the close"
    holds hiScores.dat Hostile || fail "hiScores.dat lost the online name"
    holds contactMenuState.dat "Feedback the server never took" || fail "the feedback text was lost"
    echo "$scenario: the window answered, ended $took ms after the close, name and feedback kept"
done
echo "PASS"
