#!/usr/bin/env bash
# Without a window the program cannot run: it must close what it started and end with status 1 at once,
# not draw into nothing. SDL's dummy video driver gives a video mode but no window for the GL context.
#
#   no_window_test.sh <kelzo>
set -uo pipefail
kelzo="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout 20 "$kelzo" >"$work/log" 2>&1
status=$?
cat "$work/log"
if [ "$status" -ne 1 ]; then
    echo "FAIL: exit status $status, expected 1"
    exit 1
fi
grep -q "cannot open the game window" "$work/log" || { echo "FAIL: no log line about the window"; exit 1; }
echo "PASS"
