#!/usr/bin/env bash
# Sets up what is missing, builds the game and starts it from its data folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build"
if [ ! -x "$root/build/kelzo" ]; then
  echo "Kelzo is built, but the game program does not exist yet: nothing to start."
  exit 0
fi
cd "$root/build/data"
exec "$root/build/kelzo"
