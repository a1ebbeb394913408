#!/usr/bin/env bash
# Skinned menus on a real X server. The File menu opens as a pop-up painted from the skin (the
# icon strip's colour), shaped by its border's corners (a corner pixel still shows what lies
# below), and the item under the pointer takes the skin's hot colour; the Edit and Help menus
# follow. Alt+Space opens the system menu below the title icon, and its Close item
# ends the program. Screenshots of each are kept in the build folder's e2e/ folder. With the
# argument "composited" it all runs under xcompmgr, inside the extended border.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_helpers.sh"
e2e_setup

e2e_store_with_website "http://localhost:8421/vexmora.html"

mode=${1:-bare}
prefix=menus
[ "$mode" = composited ] && prefix=menus-composited
e2e_compositor_mode "$mode"

# The internal skin's colours: the icon strip (ICOLINE), the pop-up and its items (MAINMENU,
# MENUITEM) and the hot item (MENUITEM's HOTCOLOR).
strip=202020 face=262626 hot=2868B4
shots="$VEXMORA_BUILD/e2e"

e2e_start "$VEXMORA_BIN/vexmora"
program=$E2E_LAST_PID
main=$(e2e_wait_window Vexmora 60)
e2e_wait_focus "$main"
read -r mx my mw mh < <(e2e_geometry "$main")
e2e_screenshot "$E2E_TMP/before.png"

# The File menu, opened by a click on its title in the menu bar.
xdotool mousemove "$((mx + E2E_FRAME_LEFT + 15))" "$((my + E2E_FRAME_TOP + 10))" click 1
e2e_wait_until "the File menu to open" 30 popup_open
file_menu=$popup
[ "$px" -ge "$mx" ] && [ "$py" -gt "$my" ] || fail "File menu at $px,$py, not below the menu bar"
hover_item File 1
e2e_screenshot "$shots/$prefix-file.png"
[ "$(e2e_colour_at "$((px + 2))" "$((py + ph / 2))" "$shots/$prefix-file.png")" = "$strip" ] ||
  fail "the File menu's icon strip is not the skin's colour"
[ "$(e2e_colour_at "$px" "$py" "$shots/$prefix-file.png")" = "$(e2e_colour_at "$px" "$py" "$E2E_TMP/before.png")" ] ||
  fail "the File menu's top-left corner is not cut away"

# Edit and Help: the next titles, reached with the arrow key from the open menu.
for name in Edit Help; do
  xdotool key Right
  e2e_wait_until "the $name menu to open" 30 popup_open "$file_menu"
  file_menu=$popup
  hover_item "$name" 0
  e2e_screenshot "$shots/$prefix-$(tr 'A-Z' 'a-z' <<<"$name").png"
done

xdotool key Escape
e2e_wait_until "the menus to close" 30 no_popup
# The menu bar keeps the keyboard until a second Escape.
xdotool key Escape
e2e_wait_focus "$main"

# The system menu through Alt+Space, below the title icon at the window's left.
xdotool key alt+space
e2e_wait_until "the system menu to open" 30 popup_open
[ "$px" -ge "$mx" ] && [ "$px" -lt "$((mx + E2E_FRAME_LEFT + 16))" ] && [ "$py" -gt "$my" ] &&
  [ "$py" -le "$((my + E2E_FRAME_TOP))" ] ||
  fail "system menu at $px,$py, not below the title icon of the window at $mx,$my"
hover_item system 1
e2e_screenshot "$shots/$prefix-system.png"
[ "$(e2e_colour_at "$((px + 2))" "$((py + ph / 2))" "$shots/$prefix-system.png")" = "$strip" ] ||
  fail "the system menu's icon strip is not the skin's colour"
[ "$(e2e_colour_at "$((px + pw - 6))" "$((py + 4 + 11))" "$shots/$prefix-system.png")" = "$face" ] ||
  fail "the system menu's items are not the skin's colour"

# Its last item, Close, ends the program.
xdotool mousemove "$((px + pw / 2))" "$((py + ph - 4 - 11))" click 1
program_ended() { ! kill -0 "$program" 2>/dev/null; }
e2e_wait_until "the program to end after Close" 30 program_ended
echo "e2e: menus and system menu drawn from the skin; screenshots in $shots/$prefix-*.png"
