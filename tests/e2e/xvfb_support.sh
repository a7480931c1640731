# Sourced by the end-to-end tests, after they set $work (a scratch folder) and define fail().

# Waits up to $1 tenths of a second for the command in the remaining arguments to succeed.
wait_for() {
    local tenths="$1"; shift
    for ((i = 0; i < tenths; i++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
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

# Closes the server's input and waits for it to end.
stop_loopback_server() {
    exec 5>&-
    [ -n "$server_pid" ] && wait "$server_pid" 2>/dev/null
    server_pid=""
}
