#!/usr/bin/env bash
# Remakes the flow test's reference screenshots (tests/e2e/flow_references/) from a run of the game in the
# given build folder, on purpose: after a menu's look changes. Look at the contact sheet it prints before
# committing them.
#
#   tests/e2e/remake_flow_references.sh [build folder, default build]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../../build}" && pwd)"
rm -f "$here"/flow_references/*.png
KELZO_FLOW_REMAKE=1 "$here/flow_test.sh" "$build/kelzo" "$build/data" "$build/tests/e2e/close_window" \
    "$build/tests/e2e/solving_throw" "$build/tests/e2e/flow"
