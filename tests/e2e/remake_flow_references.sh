#!/usr/bin/env bash
# Remakes the flow test's reference screenshots (tests/e2e/flow_references/) from a run of the game in the
# given build folder, on purpose: after a menu's look changes. Look at the contact sheet it prints before
# committing them.
#
#   tests/e2e/remake_flow_references.sh [build folder, default build] [language code, e.g. de]
# With a language code the flow is played in that language and its references go to flow_references_<code>/.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../../build}" && pwd)"
language="${2:-}"
rm -f "$here/flow_references${language:+_$language}"/*.png
KELZO_FLOW_LANGUAGE="$language" KELZO_FLOW_REMAKE=1 "$here/flow_test.sh" "$build/kelzo" "$build/data" \
    "$build/tests/e2e/close_window" "$build/tests/e2e/solving_throw" "$build/tests/e2e/flow${language:+_$language}"
