#!/usr/bin/env bash
# The update check at start against maker-site: a published 9.9 against the installed 1.2
# brings the upgrade offer centred over the main window, and Return opens exactly the product
# page; the tutorial the site names shows the tutorial button, which opens the tutorial page.
# Closing the window while a request waits ends the program at once with status 0.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup

website="http://www.orvanti.example/vexmora.html"
e2e_store_with_website "$website"
e2e_record_opened

# opened_lines N: the recorder has been called N times.
opened_lines() {
  [ "$(wc -l <"$opened")" -ge "$1" ]
}

e2e_start_site --tutorial t0ur --version 9.9
e2e_start "$VEXMORA_BIN/vexmora"
app=$E2E_LAST_PID
main=$(e2e_wait_window Vexmora 60)
offer=$(e2e_wait_window Confirm 60)
sleep 0.3
read -r mx my mw mh < <(e2e_geometry "$main")
read -r x y w h < <(e2e_geometry "$offer")
dx=$((2 * x + w - 2 * mx - mw)) dy=$((2 * y + h - 2 * my - mh))
[ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] ||
  fail "the offer at ${x},${y} ${w}x${h} is not centred over the main window at ${mx},${my} ${mw}x${mh}"
e2e_screenshot "$VEXMORA_BUILD/e2e/update-offer.png"

# Yes is the default button.
e2e_wait_focus "$offer"
xdotool key Return
e2e_wait_until "the product page to be opened" 20 opened_lines 1
# A second opening would come as soon as the first.
sleep 1
[ "$(cat "$opened")" = "$website" ] || fail "opened '$(cat "$opened")' instead of '$website' once"

# The video tutorial button stands at 259,199 to 367,237 in the window's client area.
e2e_wait_focus "$main"
xdotool mousemove --window "$main" $((310 + E2E_FRAME_LEFT)) $((218 + E2E_FRAME_TOP)) click 1
e2e_wait_until "the tutorial page to be opened" 20 opened_lines 2
[ "$(sed -n 2p "$opened")" = "$website?playvideo" ] ||
  fail "the tutorial button opened '$(sed -n 2p "$opened")', not '$website?playvideo'"
e2e_screenshot "$VEXMORA_BUILD/e2e/update-tutorial.png"
kill -0 "$app" 2>/dev/null || fail "vexmora ended"

# ended PID: the process has ended.
ended() {
  ! kill -0 "$1" 2>/dev/null
}

# close_and_expect_end PID WINDOW: Ctrl+W (Exit) ends the program promptly with status 0.
close_and_expect_end() {
  local status=0
  e2e_wait_focus "$2"
  xdotool key ctrl+w
  e2e_wait_until "vexmora to end after Ctrl+W" 15 ended "$1"
  wait "$1" || status=$?
  [ "$status" -eq 0 ] || fail "vexmora ended with status $status"
}
close_and_expect_end "$app" "$main"

# Nothing waits for the update check: closing the window while its request waits ends the
# program at once.
e2e_start_site --tutorial-delay-ms 60000 --version-delay-ms 60000
e2e_start "$VEXMORA_BIN/vexmora"
app=$E2E_LAST_PID
main=$(e2e_wait_window Vexmora 60)
close_and_expect_end "$app" "$main"
echo "offer ${w}x${h} centred at ${x},${y}; opened $(paste -sd ' ' "$opened"); closed at once while a request waited"
