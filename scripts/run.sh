#!/usr/bin/env bash
# Sets up what is missing, builds the game and starts it in its window, from its data folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build"
if [ -z "${DISPLAY:-}" ]; then
  echo "Kelzo is built, but it needs a graphical desktop to show its window (DISPLAY is not set)."
  echo "On a machine without one:  xvfb-run -s '-screen 0 320x480x24' ./scripts/run.sh"
  exit 1
fi
cd "$root/build/data"
exec "$root/build/kelzo"
