#!/usr/bin/env bash
# Every other window the program opens is skinned without code of its own: the donation
# message (Ctrl+D), the save dialog after a generate (Ctrl+S), the memo's context menu and the
# error report of a failed version question. Each shows the skin's colours inside
# its own window on a real X server, where the plain style would show light grey; with no
# compositor or (argument "composited") under one.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/qr_helpers.sh"
e2e_setup
e2e_private_home
export XDG_CONFIG_DIRS="$E2E_TMP/no-store"
mode=${1:-bare}
e2e_compositor_mode "$mode"
shots="$VEXMORA_BUILD/e2e/skinned_dialogs-$mode"
mkdir -p "$shots"
shot="$E2E_TMP/shot.png"
# The internal skin's DIALOG and FORM colour, and the pop-up menus' MAINMENU colour.
dialog_colour=2F2F2F
menu_colour=262626

# count_colour HEX W H X Y: how many pixels of that colour the screen shows in the box.
count_colour() {
  e2e_screenshot "$shot"
  convert "$shot" -crop "${2}x${3}+${4}+${5}" +repage -format %c histogram:info:- |
    awk -v want="#$1" 'index($0, want) {n += $1} END {print n + 0}'
}

# skinned_window WINDOW HEX: at least an eighth of the window's own box shows the colour (a file
# dialog shows its lists in the edit colour); the plain style shows none of it.
skinned_window() {
  local x y w h
  read -r x y w h < <(e2e_geometry "$1")
  [ "$(count_colour "$2" "$w" "$h" "$x" "$y")" -ge $((w * h / 8)) ]
}

# expect_skinned WINDOW NAME: waits for the window to show the dialog colour; keeps its
# screenshot as skinned_dialogs-NAME.png either way.
expect_skinned() {
  local picture="$shots/$2.png"
  if ! e2e_wait_until_quiet 60 skinned_window "$1" "$dialog_colour"; then
    e2e_screenshot "$picture"
    fail "the $2 window does not show the skin's dialog colour (screen: $picture)"
  fi
  e2e_screenshot "$picture"
}

# e2e_wait_until_quiet SECONDS CMD ARGS...: like e2e_wait_until, but answers 1 at the deadline
# so that the caller can keep a screenshot first.
e2e_wait_until_quiet() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# closed NAME: no visible window has that name any more.
closed() {
  ! xdotool search --onlyvisible --name "^$1\$" >/dev/null
}

e2e_chart_service --format palette
e2e_start "$VEXMORA_BIN/vexmora"
main=$(e2e_wait_window Vexmora 60)
e2e_wait_focus "$main"

# The donation message: one of the program's own message dialogs.
xdotool key ctrl+d
donation=$(e2e_wait_window Information) || fail "no donation message"
expect_skinned "$donation" donation
e2e_wait_focus "$donation"
xdotool key Escape
e2e_wait_until "the donation message to close" 60 closed Information

# The save dialog and the context menu need the QR helpers' points, which are laid out for
# the bare frame; under a compositor the message dialogs alone are checked.
if [ "$mode" = bare ]; then
  # The save dialog, once there is a picture to save: Qt's own file dialog.
  e2e_wait_focus "$main"
  e2e_type_text "Skinned save dialog"
  e2e_click_generate "$main"
  e2e_wait_picture "$E2E_TMP/shown.png" "$E2E_TMP/picture.png" >/dev/null || fail "no picture shown"
  xdotool key ctrl+s
  save=$(e2e_wait_window "Save As") || fail "no save dialog"
  expect_skinned "$save" save
  e2e_wait_focus "$save"
  xdotool key Escape
  e2e_wait_until "the save dialog to close" 60 closed "Save As"

  # The memo's context menu, from a right click into the data field: a pop-up in MAINMENU.
  e2e_wait_focus "$main"
  e2e_window_geometry "$main"
  menu_x=$((WIN_X + 162)) menu_y=$((WIN_Y + WIN_H - 24 - 130 + 70))
  xdotool mousemove "$menu_x" "$menu_y" click 3
  menu_shown() { [ "$(count_colour "$menu_colour" 120 120 $((menu_x + 4)) $((menu_y + 4)))" -ge 4000 ]; }
  if ! e2e_wait_until_quiet 60 menu_shown; then
    e2e_screenshot "$shots/context_menu.png"
    fail "the memo's context menu is not in MAINMENU's colour (screen: $shots/context_menu.png)"
  fi
  e2e_screenshot "$shots/context_menu.png"
  xdotool key Escape
fi

# The error report: a second program whose version question meets a failing site warns
# about it at start.
first_app=$E2E_LAST_PID
kill "$first_app"
wait "$first_app" 2>/dev/null || true
e2e_start_site --tutorial false --version-status 500
e2e_start "$VEXMORA_BIN/vexmora"
error=$(e2e_wait_window Warning 60) || fail "no warning about the failed version question"
expect_skinned "$error" error
e2e_wait_focus "$error"
xdotool key Return
e2e_wait_until "the warning to close" 60 closed Warning

kill -0 "$E2E_LAST_PID" || fail "vexmora ended"
if [ "$mode" = bare ]; then
  echo "skinned: donation message, save dialog, context menu, error report"
else
  echo "skinned under a compositor: donation message, error report"
fi
