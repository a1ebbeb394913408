#!/usr/bin/env bash
# "Check connection" against maker-site: "Information" while the site answers, "Error" once it
# has stopped; and a program started against the closed port warns of the failed connection
# and keeps running.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup
export XDG_CONFIG_DIRS="$E2E_TMP/no-store"

# menu_open WINDOW: a popup menu of the program is up: another visible window of its name.
menu_open() {
  local shown window
  # xdotool's search by name does not find the popup, so each window's name is read.
  shown=$(xdotool search --onlyvisible --name '' 2>/dev/null || true)
  for window in $shown; do
    [ "$window" != "$1" ] || continue
    [ "$(xdotool getwindowname "$window" 2>/dev/null || true)" = Vexmora ] && return 0
  done
  return 1
}

# check_connection WINDOW: Edit → Check connection with the mouse. A busy machine may open the
# menu late, so the item is clicked only once the menu is seen, and the opening is repeated.
check_connection() {
  for _ in $(seq 10); do
    e2e_wait_focus "$1"
    xdotool mousemove --window "$1" $((50 + E2E_FRAME_LEFT)) $((8 + E2E_FRAME_TOP)) click 1
    for _ in $(seq 30); do
      if menu_open "$1"; then
        xdotool mousemove --window "$1" $((110 + E2E_FRAME_LEFT)) $((28 + E2E_FRAME_TOP)) click 1
        return 0
      fi
      sleep 0.1
    done
  done
  fail "the Edit menu did not open"
}

# answer TITLE: waits for the dialog of that title, presses Return in it and waits until it
# has gone.
answer() {
  local id
  id=$(e2e_wait_window "$1" 30) || fail "no '$1' dialog"
  e2e_screenshot "$VEXMORA_BUILD/e2e/connection-$(echo "$1" | tr 'A-Z' 'a-z').png"
  e2e_wait_focus "$id"
  xdotool key Return
  e2e_wait_until "the '$1' dialog to close" 20 closed "$id"
}

# closed WINDOW: the window is no longer shown.
closed() {
  ! xdotool search --onlyvisible --name '.' 2>/dev/null | grep -qx "$1"
}

e2e_start "$VEXMORA_BIN/vexmora"
app=$E2E_LAST_PID
main=$(e2e_wait_window Vexmora 60)
check_connection "$main"
answer Information

kill "$E2E_SITE_PID"
wait "$E2E_SITE_PID" 2>/dev/null || true
check_connection "$main"
answer Error
kill -0 "$app" 2>/dev/null || fail "vexmora ended"
kill "$app"
wait "$app" 2>/dev/null || true

# The same, now closed, port at start: the update check's warning.
e2e_start "$VEXMORA_BIN/vexmora"
app=$E2E_LAST_PID
e2e_wait_window Vexmora 60 >/dev/null
answer Warning
sleep 1
kill -0 "$app" 2>/dev/null || fail "vexmora ended after the warning"
e2e_wait_window Vexmora 10 >/dev/null || fail "the main window has gone"
echo "Information, Error and Warning shown; vexmora still running"
