#!/usr/bin/env bash
# The look of every window and state, as screenshots for review: run by scripts/skin-screenshots
# (both modes, the whole set) and by the e2e suite (bare, a short set) so that it cannot rot.
# usage: skin_screenshots.sh bare|composited OUTDIR [all|smoke]
# Writes OUTDIR/MODE/NAME.png and OUTDIR/MODE/NOTES.txt (what could not be shown, and why).
set -euo pipefail
mode=${1:?usage: skin_screenshots.sh bare|composited OUTDIR [all|smoke]}
root=${2:?usage: skin_screenshots.sh bare|composited OUTDIR [all|smoke]}
set_name=${3:-all}
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/qr_helpers.sh"
source "$(dirname "$0")/menu_helpers.sh"
e2e_setup
e2e_private_home
export XDG_DATA_HOME="$E2E_TMP/data"
e2e_store_with_website "http://www.orvanti.example/vexmora.html"
e2e_record_opened
out="$root/$mode"
mkdir -p "$out"
notes="$out/NOTES.txt"
: >"$notes"
note() { printf '%s\n' "$*" >>"$notes"; }

if [ "$mode" = composited ]; then
  xcompmgr 2>"$E2E_TMP/xcompmgr.log" &
  E2E_PIDS+=($!)
  e2e_wait_until "xcompmgr to own the compositing selection" 30 e2e_compositor_running
fi
e2e_frame_margins

# The hot colour of menu items and the memo's scroll-bar thumb, from the internal skin.
hot=2868B4
shot="$E2E_TMP/now.png"

# save NAME: the whole screen as OUT/NAME.png.
save() { e2e_screenshot "$out/$1.png"; }

# zoom NAME GEOMETRY: a crop of the last saved picture LAST, four times enlarged pixel by pixel.
zoom() {
  convert "$out/$LAST.png" -crop "$2" +repage -filter point -resize 400% "$out/$1.png"
}

# sig GEOMETRY: a fingerprint of what the screen shows in the box now.
sig() {
  e2e_screenshot "$shot"
  convert "$shot" -crop "$1" +repage rgb:- | md5sum | cut -c1-32
}
differs() { [ "$(sig "$1")" != "$2" ]; }

# settled GEOMETRY: two screenshots in a row show the box alike (animations have ended).
settled() {
  local now
  now=$(sig "$1")
  [ "$now" = "${SETTLE_LAST:-}" ] && return 0
  SETTLE_LAST=$now
  return 1
}
settle() {
  SETTLE_LAST=
  e2e_wait_until "the box $1 to stop changing" 60 settled "$1"
}

# window_box WINDOW: the window's geometry as WxH+X+Y.
window_box() {
  local x y w h
  read -r x y w h < <(e2e_geometry "$1")
  echo "${w}x${h}+${x}+${y}"
}

# other_window TITLE: the id of a visible window of that title other than the main window.
other_window() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true); do
    [ "$id" != "$main" ] || continue
    echo "$id"
    return 0
  done
  return 1
}
window_gone() { ! xdotool search --onlyvisible --name '.' 2>/dev/null | grep -qx "$1"; }

# dialog_shot TITLE NAME KEY: waits for the dialog, lets it settle, saves the screen, and closes
# it with the key.
dialog_shot() {
  local id deadline=$((SECONDS + 60))
  until id=$(other_window "$1"); do
    [ "$SECONDS" -lt "$deadline" ] || { save "FAILED-$2"; fail "waited 60s for a window titled '$1' (screen: $out/FAILED-$2.png)"; }
    sleep 0.1
  done
  settle "$(window_box "$id")"
  save "$2"
  e2e_wait_focus "$id"
  xdotool key "$3"
  e2e_wait_until "the '$1' window to close" 30 window_gone "$id"
}

# start_program: starts vexmora and sets main and the client area's content origin cx, cy (the
# panels under the menu bar; the content is 474 x 384 at the client area's bottom).
start_program() {
  e2e_start "$VEXMORA_BIN/vexmora"
  app=$E2E_LAST_PID
  main=$(e2e_wait_window Vexmora 60)
  e2e_wait_focus "$main"
  read -r mx my mw mh < <(e2e_geometry "$main")
  cx=$((mx + E2E_FRAME_LEFT)) cy=$((my + mh - E2E_FRAME_BOTTOM - 384))
  settle "$(window_box "$main")"
}

stop_program() {
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
}

# Parts of the window, as boxes on the screen once cx, cy are known.
generate_at() { echo "$((cx + 392)) $((cy + 322))"; }
away_at() { echo "$((cx + 100)) $((cy + 240))"; }

main_window_states() {
  xdotool mousemove $(away_at)
  settle "$(window_box "$main")"
  save main-active
  LAST=main-active
  zoom crop-link-label "170x27+$((cx + 300))+$((cy + 360))"
  zoom crop-group-box-caption "130x26+$((cx + 238))+$((cy + 4))"
  zoom crop-status-dividers "300x24+$((cx))+$((cy + 360))"
  zoom crop-caption-buttons-normal "130x$((E2E_FRAME_TOP + 4))+$((mx + mw - 130))+$my"

  # Hover on the generate button: the first changed picture is mid-fade, the settled one the end.
  local rim="24x60+$((cx + 312))+$((cy + 292))" dark first=
  dark=$(sig "$rim")
  xdotool mousemove $(generate_at)
  while [ -z "$first" ]; do
    import -window root "$shot"
    [ "$(convert "$shot" -crop "$rim" +repage rgb:- | md5sum | cut -c1-32)" != "$dark" ] && first=1
  done
  cp "$shot" "$out/hover-generate-mid-fade.png"
  settle "$rim"
  save hover-generate-glow
  cmp -s "$out/hover-generate-mid-fade.png" "$out/hover-generate-glow.png" &&
    note "hover-generate-mid-fade.png: the fade ended before a screenshot could catch it"

  # Pressed: the button held down, and let go away from it so that nothing is generated.
  local button="140x40+$((cx + 322))+$((cy + 302))" lit
  lit=$(sig "$button")
  xdotool mousedown 1
  e2e_wait_until "the generate button to look pressed" 30 differs "$button" "$lit"
  save button-pressed
  xdotool mousemove $(away_at) mouseup 1
  note "button-disabled: the main window has no disabled button; see save-dialog-*.png (its Save, Back and Forward buttons)"
}

inactive_shot() {
  xmessage -geometry +900+900 -name other "another window" &
  E2E_PIDS+=($!)
  local other
  other=$(e2e_wait_window other 30)
  e2e_wait_focus "$other"
  settle "$(window_box "$main")"
  save main-inactive
  kill "$!" 2>/dev/null || true
  e2e_wait_until "the other window to close" 30 window_gone "$other"
  e2e_wait_focus "$main"
}

menus_shots() {
  xdotool mousemove "$((mx + E2E_FRAME_LEFT + 15))" "$((my + E2E_FRAME_TOP + 10))" click 1
  e2e_wait_until "the File menu to open" 30 popup_open
  local previous=$popup name
  hover_item File 1
  save menu-file
  for name in Edit Help; do
    xdotool key Right
    e2e_wait_until "the $name menu to open" 30 popup_open "$previous"
    previous=$popup
    hover_item "$name" 0
    save "menu-$(tr 'A-Z' 'a-z' <<<"$name")"
  done
  xdotool key Escape
  e2e_wait_until "the menus to close" 30 no_popup
  xdotool key Escape
  e2e_wait_focus "$main"
  xdotool key alt+space
  e2e_wait_until "the system menu to open" 30 popup_open
  hover_item system 1
  save menu-system
  xdotool key Escape
  e2e_wait_until "the system menu to close" 30 no_popup
  e2e_wait_focus "$main"
}

memo_shots() {
  xdotool mousemove $((cx + 162)) $((cy + 300)) click 1
  local i
  for i in $(seq 1 12); do
    xdotool type --delay 5 "A longer line of text, number $i"
    xdotool key Return
  done
  settle "$(window_box "$main")"
  save memo-focused-long-text
  # The memo's context menu.
  xdotool click 3
  e2e_wait_until "the memo's context menu" 30 popup_open
  settle "${pw}x${ph}+${px}+${py}"
  save memo-context-menu
  xdotool key Escape
  e2e_wait_until "the context menu to close" 30 no_popup
  xdotool key ctrl+a BackSpace
}

field_shots() {
  xdotool mousemove $((cx + 343)) $((cy + 45)) click 1
  xdotool key ctrl+a
  xdotool type --delay 20 "321"
  settle "$(window_box "$main")"
  save width-typed
  xdotool key ctrl+z
  xdotool mousemove $((cx + 353)) $((cy + 147)) click 1
  e2e_wait_until "the level list to drop down" 30 popup_open
  settle "${pw}x${ph}+${px}+${py}"
  save level-list-open
  xdotool key Escape
  e2e_wait_until "the level list to close" 30 no_popup
}

tooltip_shot() {
  xdotool mousemove $((cx + 20)) $((cy + 370)) sleep 0.2 mousemove $((cx + 22)) $((cy + 372))
  e2e_wait_until "the donation picture's tooltip" 30 popup_open
  settle "${pw}x${ph}+${px}+${py}"
  save tooltip
  xdotool mousemove $(away_at)
  e2e_wait_until "the tooltip to go" 30 no_popup
}

picture_and_dialogs() {
  local picture="232x228+$((cx + 1))+$((cy + 1))" empty
  empty=$(sig "$picture")
  xdotool mousemove $((cx + 162)) $((cy + 300)) click 1
  xdotool type --delay 20 "Vexmora look"
  xdotool mousemove $(generate_at) click 1
  e2e_wait_until "a QR picture to be shown" 60 differs "$picture" "$empty"
  xdotool mousemove $(away_at)
  settle "$(window_box "$main")"
  save generated-qr

  # The save dialog opens in its detail view; its tool button (second from the right in the
  # top row, 50 pixels from the dialog's right edge) turns it to the list view.
  e2e_wait_focus "$main"
  xdotool key ctrl+s
  e2e_wait_until "the save dialog" 60 other_window "Save As"
  local dialog box detail_view dx dy dw dh
  dialog=$(other_window "Save As")
  read -r dx dy dw dh < <(e2e_geometry "$dialog")
  box="${dw}x${dh}+${dx}+${dy}"
  settle "$box"
  save save-dialog-detail
  detail_view=$(sig "$box")
  xdotool mousemove --window "$dialog" $((dw - 50)) 22 click 1
  e2e_wait_until "the list view" 30 differs "$box" "$detail_view"
  settle "$box"
  save save-dialog-list
  e2e_wait_focus "$dialog"
  xdotool key Escape
  e2e_wait_until "the save dialog to close" 30 window_gone "$dialog"

  # A chart service that answers with no picture at all: the plain message with the reader's
  # error. A refused connection would only leave the picture empty. Python's server takes the
  # freed port again at once (it reuses addresses) and serves the file "chart" for /chart?...
  kill "$CHART_PID"
  wait "$CHART_PID" 2>/dev/null || true
  mkdir -p "$E2E_TMP/broken"
  printf 'this is no PNG picture\n' >"$E2E_TMP/broken/chart"
  e2e_start python3 -m http.server --bind 127.0.0.1 --directory "$E2E_TMP/broken" \
    "${VEXMORA_CHART_HOST##*:}" >"$E2E_TMP/broken.log" 2>&1
  e2e_wait_until "the broken chart service on $VEXMORA_CHART_HOST" 30 \
    curl -sf -o /dev/null "http://$VEXMORA_CHART_HOST/chart"
  e2e_wait_focus "$main"
  xdotool mousemove $(generate_at) click 1
  dialog_shot Vexmora message-plain Return
  # With no data: the warning.
  xdotool mousemove $((cx + 162)) $((cy + 300)) click 1
  xdotool key ctrl+a BackSpace
  xdotool mousemove $(generate_at) click 1
  dialog_shot Warning message-warning Return
  xdotool mousemove $(away_at)
  e2e_wait_focus "$main"
  xdotool key ctrl+d
  dialog_shot Information message-information Return
  e2e_wait_focus "$main"
  xdotool key ctrl+b
  dialog_shot "About Vexmora" about Escape
}

window_sizes() {
  local title_y=15
  [ "$mode" = bare ] || title_y=40
  e2e_wait_focus "$main"
  read -r screen_w screen_h < <(xdotool getdisplaygeometry)
  xdotool mousemove --window "$main" 250 "$title_y" click --repeat 2 --delay 60 1
  e2e_wait_until "the window to fill the screen" 30 sized "$main" "$screen_w" "$screen_h"
  settle "${screen_w}x${screen_h}+0+0"
  save maximised
  xdotool mousemove 640 10 click --repeat 2 --delay 60 1
  e2e_wait_until "the window to be restored" 30 sized "$main" "$mw" "$mh"
  # The narrowest the window allows: its right edge dragged far to the left, as a user would
  # (the resize band is the frame's outer pixels, or the shadow with a compositor).
  local edge=$((mw - 3))
  [ "$mode" = bare ] || edge=$((mw - 8))
  e2e_wait_focus "$main"
  xdotool mousemove --window "$main" "$edge" $((mh / 2)) mousedown 1
  xdotool mousemove $((mx + edge - 200)) $((my + mh / 2)) mousemove $((mx + 50)) $((my + mh / 2)) mouseup 1
  # The designed width is the minimum too, so the window keeps its size.
  settle "$(window_box "$main")"
  save minimum-width
  note "minimum-width.png: dragged to 50 pixels wide, the window is $(window_box "$main") (it started $mw wide)"
}
sized() {
  local gx gy gw gh
  read -r gx gy gw gh < <(e2e_geometry "$1")
  [ "$gw" -eq "$2" ] && [ "$gh" -eq "$3" ]
}

# The second run: the site offers a newer version and a tutorial; then it stops, and the
# connection check fails. Ends with the caption buttons, the last one closing the program.
second_run() {
  local tutorial_box=$1 tutorial_off=$2
  e2e_start_site --tutorial t0ur --version 9.9
  start_program
  dialog_shot Confirm message-confirmation Return
  e2e_wait_until "the video-tutorial button" 60 differs "$tutorial_box" "$tutorial_off"
  xdotool mousemove $(away_at)
  settle "$(window_box "$main")"
  save tutorial-button-shown

  kill "$E2E_SITE_PID"
  wait "$E2E_SITE_PID" 2>/dev/null || true
  xdotool mousemove --window "$main" $((50 + E2E_FRAME_LEFT)) $((8 + E2E_FRAME_TOP)) click 1
  e2e_wait_until "the Edit menu" 30 popup_open
  xdotool mousemove --window "$main" $((110 + E2E_FRAME_LEFT)) $((28 + E2E_FRAME_TOP)) click 1
  dialog_shot Error message-error Return

  caption_buttons
}

caption_buttons() {
  local close_x=$((mw - 10 - 15)) close_y=16 box normal hot_sig
  [ "$mode" = bare ] || { close_x=$((mw - 17 - 10 - 15)) close_y=$((17 + 9 + 15)); }
  box="130x$((E2E_FRAME_TOP + 4))+$((mx + mw - 130))+$my"
  e2e_wait_focus "$main"
  normal=$(sig "$box")
  xdotool mousemove --window "$main" "$close_x" "$close_y"
  e2e_wait_until "the close button to light up" 30 differs "$box" "$normal"
  settle "$box"
  save caption-hot
  LAST=caption-hot
  zoom crop-caption-buttons-hot "$box"
  hot_sig=$(sig "$box")
  xdotool mousedown 1
  e2e_wait_until "the close button to look pressed" 30 differs "$box" "$hot_sig"
  save caption-pressed
  LAST=caption-pressed
  zoom crop-caption-buttons-pressed "$box"
  xdotool mouseup 1
  ended() { ! kill -0 "$app" 2>/dev/null; }
  e2e_wait_until "the program to end by its close button" 30 ended
}

external_skin() {
  local folder="$XDG_DATA_HOME/Vexmora/Skins/Review skin"
  mkdir -p "$(dirname "$folder")"
  "$VEXMORA_BIN/skintool" unpack --internal "$folder" >/dev/null
  "$VEXMORA_BIN/skintool" render "$folder" FORM 320x200 0 "$out/external-skin-folder-form.png" >/dev/null
  "$VEXMORA_BIN/skintool" render "$folder" BUTTON 140x40 1 "$out/external-skin-folder-button-hot.png" >/dev/null
  note "external-skin-folder-*.png: the program always uses its internal skin (no setting or switch names another), so the folder made under \$XDG_DATA_HOME/Vexmora/Skins/ is drawn by skintool render"
}

# Pictures with no way to provoke them from outside the program.
note "error report: shown only for an error no command catches; nothing a user can do raises one, so it has no picture"
note "manager switched off: the program offers no setting, switch or variable that turns the skin off, so it has no picture"

# The save dialog opens in the working folder: a private one with a few entries to list.
mkdir -p "$HOME/Pictures" "$HOME/Documents"
convert -size 64x64 xc:white "$HOME/Pictures/earlier-code.png"
cd "$HOME"
e2e_chart_service --format palette
CHART_PID=${E2E_PIDS[-1]}
start_program
main_window_states
tutorial_box="106x40+$((cx + 243))+$((cy + 181))"
tutorial_off=$(sig "$tutorial_box")
if [ "$set_name" = smoke ]; then
  menus_shots
  e2e_wait_focus "$main"
  xdotool key ctrl+b
  dialog_shot "About Vexmora" about Escape
  stop_program
else
  inactive_shot
  menus_shots
  memo_shots
  field_shots
  tooltip_shot
  picture_and_dialogs
  window_sizes
  stop_program
  second_run "$tutorial_box" "$tutorial_off"
  external_skin
fi
count=$(find "$out" -name '*.png' | wc -l)
echo "skin screenshots ($mode, $set_name): $count pictures in $out"
