#!/usr/bin/env bash
# Ctrl+B shows "About Vexmora" centred over the main window; Esc closes it without opening
# anything, and a click on the name line opens the product page exactly once.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup

website="http://www.orvanti.example/vexmora.html"
e2e_store_with_website "$website"
e2e_record_opened

# open_about: presses Ctrl+B in the main window until the box is up; prints its id. A busy
# machine may swallow a key while the window is still being mapped, so it is repeated.
open_about() {
  local id
  for _ in $(seq 20); do
    xdotool windowfocus --sync "$main" 2>/dev/null || true
    xdotool key ctrl+b 2>/dev/null || true
    if id=$(e2e_wait_window 'About Vexmora' 2 2>/dev/null); then
      echo "$id"
      return 0
    fi
  done
  fail "Ctrl+B showed no 'About Vexmora'"
}

# wait_closed WINDOW: the window is gone within ten seconds.
wait_closed() {
  for _ in $(seq 100); do
    xdotool getwindowname "$1" >/dev/null 2>&1 || return 0
    xdotool search --onlyvisible --name '^About Vexmora$' 2>/dev/null | grep -qx "$1" || return 0
    sleep 0.1
  done
  fail "the about box is still open"
}

e2e_start "$VEXMORA_BIN/vexmora"
app=$E2E_LAST_PID
main=$(e2e_wait_window Vexmora 60)
sleep 0.5

about=$(open_about)
sleep 0.3
read -r mx my mw mh < <(e2e_geometry "$main")
read -r x y w h < <(e2e_geometry "$about")
[ "$w" -eq 386 ] && [ "$h" -eq 192 ] || fail "about box is ${w}x${h}, not 386x192"
dx=$(( 2 * x + w - 2 * mx - mw )) dy=$(( 2 * y + h - 2 * my - mh ))
[ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] || fail "about box at ${x},${y} is not centred over the main window"
e2e_screenshot "$VEXMORA_BUILD/e2e/about.png"

xdotool windowfocus --sync "$about" 2>/dev/null || true
xdotool key Escape
wait_closed "$about"

about=$(open_about)
sleep 0.3
# The name line starts at 138,28 in the box.
xdotool mousemove --window "$about" 150 34 click 1
wait_closed "$about"
for _ in $(seq 100); do [ -s "$opened" ] && break; sleep 0.1; done
# A second opening would come as soon as the first.
sleep 1
[ "$(cat "$opened")" = "$website" ] || fail "opened '$(cat "$opened")' instead of '$website' once"
kill -0 "$app" 2>/dev/null || fail "vexmora ended"
echo "about box ${w}x${h}; opened $website; screenshot in $VEXMORA_BUILD/e2e/about.png"
