# Sourced by every script that plays the real program (the end-to-end and reliability tests, the speed script);
# brings walk.sh along. Such a script sets $data (the shipped data folder), $kelzo (the program) and, to close
# the window, $closer (tests/e2e/close_window), then calls begin_desktop_run; it sets $log before it starts the
# game.
e2e_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=walk.sh
. "$e2e_dir/walk.sh"

# Waits up to $1 tenths of a second for the command in the remaining arguments to succeed.
wait_for() {
    local tenths="$1" i; shift
    for ((i = 0; i < tenths; i++)); do
        "$@" >/dev/null 2>&1 && return 0
        pause 0.1
    done
    return 1
}

# Says what failed, shows the end of the program log (less the long furball and loop lines) and ends the
# script. $fail_context, when set, goes before the message (the scenario of a script that runs several).
fail() {
    echo "FAIL: ${fail_context:+$fail_context: }$*"
    echo "--- program log (${log:-none}):"
    grep -v -e "furballs (" -e "loop stats" "${log:-/dev/null}" 2>/dev/null | tail -40
    exit 1
}

# The start all these scripts share: the output folder $out (when set) emptied of an earlier run's
# screenshots, logs and server transcripts; a scratch folder $work; at the end, whatever the script started is
# ended (the game, another window, a focus cycler, the loopback server, the window manager, the display: the
# *_pid variables set here) and $work removed; a virtual X display of $1 (WxHxDEPTH), with the openbox window
# manager on it when $2 is "wm"; leak checks under a sanitizer build, less what the X11 library keeps on
# purpose; and $work/data, a copy of the data folder for the game to save into.
begin_desktop_run() {
    if [ -n "${out:-}" ]; then
        mkdir -p "$out"
        rm -f "$out"/*.png "$out"/*.log "$out"/*.txt
    fi
    work="$(mktemp -d)"
    xvfb_pid=""; wm_pid=""; game_pid=""; server_pid=""; other_pid=""; cycler_pid=""
    trap end_desktop_run EXIT
    start_xvfb "$1"
    [ "${2:-}" = wm ] && start_window_manager
    export LSAN_OPTIONS="suppressions=$e2e_dir/lsan.supp:print_suppressions=0"
    copy_data_folder
}

end_desktop_run() {
    [ -n "$cycler_pid" ] && kill "$cycler_pid" 2>/dev/null
    [ -n "$game_pid" ] && kill -9 "$game_pid" 2>/dev/null
    [ -n "$other_pid" ] && kill "$other_pid" 2>/dev/null
    stop_loopback_server
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}

# A fresh $work/data from $data: what an earlier start saved there is gone.
copy_data_folder() {
    rm -rf "$work/data"
    cp -r "$data" "$work/data" || fail "cannot copy the data folder $data"
}

# Starts a virtual X display with a screen of $1 (WxHxDEPTH) on a display number nobody uses: Xvfb picks it
# and reports it on fd 3. Sets xvfb_pid and DISPLAY.
start_xvfb() {
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "$1" 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    wait_for 100 test -s "$work/display" || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$work/display")"
}

# Starts the openbox window manager on that display, for focus changes and window closing as on a desktop.
# Sets wm_pid.
start_window_manager() {
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    wait_for 100 wmctrl -m || fail "openbox did not start"
}

# Starts the game in $work/data without sound, its output going to $log: in the locale given first (a LANG value
# such as fr_FR.UTF-8; English when the first argument is a setting), with the environment settings given as the
# other arguments (NAME=value ...); waits for its first screen and sets game_locale, game_pid and window. The
# game does not hold the loopback server's input open, so that the server can be stopped under it.
launch_game() {
    game_locale=en_US.UTF-8
    if [ $# -gt 0 ] && [[ "$1" != *=* ]]; then
        game_locale="$1"
        shift
    fi
    (cd "$work/data" && exec env -u LC_ALL -u LC_MESSAGES LANG="$game_locale" SDL_AUDIODRIVER=dummy "$@" \
        "$kelzo") >"$log" 2>&1 5>&- &
    game_pid=$!
    wait_first_screen 0
    window="$(xdotool search --name '^Kelzo$' | head -n1)"
    [ -n "$window" ] || fail "no window titled Kelzo"
}

# Waits up to 10 s for the game to end after $1 (what happened, for the failure message); sets status (its
# exit status) and took (the milliseconds from the call to the end).
wait_game_end() {
    local start
    start=$(date +%s%N)
    wait_for 100 sh -c "! kill -0 $game_pid" || fail "still running 10 s after $1"
    wait "$game_pid"; status=$?
    game_pid=""
    took=$(( ($(date +%s%N) - start) / 1000000 ))
}

# Closes the game's window as a window manager would ($closer) and waits for the game to end, as
# wait_game_end.
close_game() {
    "$closer" "$window" || fail "cannot close the window"
    wait_game_end "the window was closed"
}

# Starts the server script $1 (one of tests/support) with the arguments after $2, its lines going to the file
# $2; the server stops when its input closes, which fd 5 of this shell holds open. Sets server_pid and port.
start_loopback_server() {
    local script="$1" output="$2"
    shift 2
    rm -f "$work/server.in"
    mkfifo "$work/server.in"
    python3 "$script" "$@" <"$work/server.in" >"$output" &
    server_pid=$!
    exec 5>"$work/server.in"
    wait_for 100 grep -q "^PORT " "$output" || fail "the server $(basename "$script") did not start"
    port="$(sed -n 's/^PORT //p' "$output")"
}

# Closes the server's input and waits up to 5 s for it to end, then ends it.
stop_loopback_server() {
    exec 5>&-
    [ -n "$server_pid" ] || return 0
    wait_for 50 sh -c "! kill -0 $server_pid" || kill "$server_pid" 2>/dev/null
    wait "$server_pid" 2>/dev/null
    server_pid=""
}
