#!/usr/bin/env bash
# The program starts from the build tree, finds the build tree's installation store and
# shows its main window.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup
export XDG_CONFIG_DIRS="$E2E_TMP/no-store"

e2e_start "$VEXMORA_BIN/vexmora"
window=$(e2e_wait_window Vexmora)
e2e_wait_focus "$window"
kill -0 "$E2E_LAST_PID" || fail "vexmora ended"
e2e_screenshot "$VEXMORA_BUILD/e2e/window.png"
echo "window $window; screenshot in $VEXMORA_BUILD/e2e/window.png"
