#!/usr/bin/env bash
# The generate button's glow on a real X server, with no compositor or (argument
# "composited") under one: the pointer over the button lights the window's pixels just beside
# it, and taking the pointer away puts them back as they were.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup
e2e_store_with_website "http://localhost:8421/vexmora.html"
mode=${1:-plain}
e2e_compositor_mode "$mode"

# pixel X Y: the colour of the screen's pixel now.
shot="$E2E_TMP/shot.png"
pixel() {
  import -window root "$shot"
  convert "$shot" -format "%[pixel:p{$1,$2}]" info:
}

read -r screen_w screen_h < <(xdotool getdisplaygeometry)
bare=$(pixel $((screen_w / 2)) $((screen_h / 2)))
e2e_start "$VEXMORA_BIN/vexmora"
main=$(e2e_wait_window Vexmora)
read -r X Y WIDTH HEIGHT < <(xdotool getwindowgeometry --shell "$main" | awk -F= '
  /^X=/ {x=$2} /^Y=/ {y=$2} /^WIDTH=/ {w=$2} /^HEIGHT=/ {h=$2} END {print x, y, w, h}')

# The data panel (130 high) sits on the status bar (24) at the client area's bottom, inside the
# skinned frame; the button lies at (322, 72) in it, 140 x 40. Its glow reaches 7 pixels beyond
# each side.
left=$((X + E2E_FRAME_LEFT + 322)) top=$((Y + HEIGHT - E2E_FRAME_BOTTOM - 154 + 72))
rim_x=$((left - 3)) rim_y=$((top + 20))
away_x=$((X + E2E_FRAME_LEFT + 100)) away_y=$((Y + HEIGHT - E2E_FRAME_BOTTOM - 140))
rim_is() { [ "$(pixel "$rim_x" "$rim_y")" = "$1" ]; }
rim_is_not() { [ "$(pixel "$rim_x" "$rim_y")" != "$1" ]; }

xdotool mousemove "$away_x" "$away_y"
e2e_wait_until "the window to be painted" 60 rim_is_not "$bare"
dark=$(pixel "$rim_x" "$rim_y")
beyond=$(pixel $((left - 9)) "$rim_y")

xdotool mousemove "$((left + 70))" "$((top + 20))"
e2e_wait_until "the glow beside the button" 60 rim_is_not "$dark"
e2e_screenshot "$VEXMORA_BUILD/e2e/glow_$mode.png"
lit=$(pixel "$rim_x" "$rim_y")
# Two pixels beyond the glow's reach nothing changed.
[ "$(pixel $((left - 9)) "$rim_y")" = "$beyond" ] || fail "the glow reaches 9 pixels beyond the button"

xdotool mousemove "$away_x" "$away_y"
e2e_wait_until "the glow to go" 60 rim_is "$dark"
echo "glow ($mode): the rim went from $dark to $lit and back"
