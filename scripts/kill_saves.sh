#!/usr/bin/env bash
# Kills a saving process thousands of times per state file (the CI test does 50) and says whether
# every file still loaded as one whole version. Usage: scripts/kill_saves.sh [kills per file] [build folder]
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
kills="${1:-2000}"
build="${2:-$root/build}"
binary="$build/tests/reliability/test_reliability"
[ -x "$binary" ] || { echo "no $binary: build first (scripts/build.sh)" >&2; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
echo "== $kills kills per state file"
KELZO_KILLS="$kills" "$binary" --gtest_filter='Savers/KillDuringSaveTest.*' \
    --gtest_output="xml:$work/kills.xml" >"$work/output.txt" 2>&1
status=$?
grep -E '^\[ *(OK|FAILED) *\]|the reader found|seed' "$work/output.txt" | grep -v '^LOG'
# Per file: the saves the kills cut short, and how often a kill fell after the rename but before
# the saver could say so (the reader must then find the new version).
python3 - "$work/kills.xml" <<'PY'
import sys, xml.etree.ElementTree as ET
for case in ET.parse(sys.argv[1]).iter("testcase"):
    p = {x.get("name"): x.get("value") for x in case.iter("property")}
    print(f'{case.get("value_param"):>16}: {p.get("saves", "?")} saves, {p.get("killsAfterRename", "?")} kills after the rename')
PY
exit $status
