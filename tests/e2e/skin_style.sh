#!/usr/bin/env bash
# The parts Qt draws itself, on a real X server: the memo's scroll bar shows the skin's arrows,
# and its thumb once the text outgrows the field; the level list drops down with its chosen
# line in the selection colour; the tooltip of the donation picture shows the skin's hint
# face. Each is found by its colours in screenshots of the whole screen.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup
e2e_private_home
e2e_store_with_website "http://www.orvanti.example/vexmora.html"

shots="$VEXMORA_BUILD/e2e"
shot="$E2E_TMP/shot.png"

# count_colour HEX W H X Y: how many pixels of that colour the screen shows in the box.
count_colour() {
  e2e_screenshot "$shot"
  convert "$shot" -crop "${2}x${3}+${4}+${5}" +repage -format %c histogram:info:- |
    awk -v want="#$1" 'index($0, want) {n += $1} END {print n + 0}'
}

# shows_light MIN W H X Y: the box holds at least MIN pixels lighter than 45 % grey.
shows_light() {
  e2e_screenshot "$shot"
  local n
  n=$(convert "$shot" -crop "${2}x${3}+${4}+${5}" +repage -colorspace gray -threshold 45% \
    -format '%[fx:round(mean*w*h)]' info:)
  [ "$n" -ge "$1" ]
}

# shows_colour HEX MIN W H X Y: the box holds at least MIN pixels of the colour.
shows_colour() {
  [ "$(count_colour "$1" "$3" "$4" "$5" "$6")" -ge "$2" ]
}

e2e_start "$VEXMORA_BIN/vexmora"
main=$(e2e_wait_window Vexmora 60)
e2e_wait_focus "$main"
eval "$(xdotool getwindowgeometry --shell "$main")"
# Points below are given in the client area, inside the skinned frame.
X=$((X + E2E_FRAME_LEFT)) Y=$((Y + E2E_FRAME_TOP))
WIDTH=$((WIDTH - E2E_FRAME_LEFT - E2E_FRAME_RIGHT)) HEIGHT=$((HEIGHT - E2E_FRAME_TOP - E2E_FRAME_BOTTOM))

# The memo always shows its scroll bar: light chevrons on the dark track, right of the text
# (the memo spans the lower left of the window). Lines enough to scroll bring the thumb, in
# the thumb section's colour.
bar=(40 130 $((X + 270)) $((Y + 300)))
e2e_wait_until "the memo's scroll bar with its arrows" 60 shows_light 16 "${bar[@]}"
before=$(count_colour 4A4A4A "${bar[@]}")
xdotool mousemove $((X + 100)) $((Y + 350)) click 1
for i in $(seq 1 12); do xdotool type --delay 5 "line $i"; xdotool key Return; done
e2e_wait_until "the memo's scroll bar to show its thumb" 60 \
  shows_colour 4A4A4A $((before + 100)) "${bar[@]}"
e2e_screenshot "$shots/skin_style_scroll_bar.png"

# The level list: the chosen line in SELECTION's colour.
xdotool mousemove $((X + WIDTH - 130)) $((Y + 165)) click 1
e2e_wait_until "the level list dropped down with its chosen line" 60 \
  shows_colour 2868B4 300 240 140 $((X + 240)) $((Y + 120))
e2e_screenshot "$shots/skin_style_level_list.png"
xdotool key Escape

# The donation picture's tooltip, below and right of the pointer: the hint colour inside the
# frame of the skin's artwork.
xdotool mousemove $((X + 20)) $((Y + HEIGHT - 14)) sleep 0.2 mousemove $((X + 22)) $((Y + HEIGHT - 12))
e2e_wait_until "the tooltip in the hint face" 60 \
  shows_colour 181818 200 160 70 $((X + 10)) $((Y + HEIGHT - 4))
[ "$(count_colour 585858 160 70 $((X + 10)) $((Y + HEIGHT - 4)))" -ge 40 ] ||
  fail "the tooltip has no frame"
e2e_screenshot "$shots/skin_style_tooltip.png"
