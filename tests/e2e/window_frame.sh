#!/usr/bin/env bash
# The main window's skinned frame on a real X server, without a window manager, in two modes.
# bare: no compositor, so the plain frame: no black pixels at the window's edges, the title
# drawn by us, moving by the title snaps 9 pixels from the screen's edge and not 10, the close
# button ends the program. composited (xcompmgr): the extended border's shadow falls off
# around the window, and maximizing drops it.
set -euo pipefail
mode=${1:?usage: window_frame.sh bare|composited}
source "$(dirname "$0")/lib.sh"
e2e_setup
e2e_store_with_website "http://localhost:8421/vexmora.html"
shots="$VEXMORA_BUILD/e2e"
read -r screen_w screen_h < <(xdotool getdisplaygeometry) || fail "display $DISPLAY does not answer"

# pixel X Y: the screen's colour there as rrggbb, from a fresh screenshot.
pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- | sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | tr 'A-F' 'a-f'
}
# brightness RRGGBB: the sum of the three channels.
brightness() {
  echo $(( 16#${1:0:2} + 16#${1:2:2} + 16#${1:4:2} ))
}


# at_position WINDOW X Y: the window's top-left corner is at X, Y.
at_position() {
  local x y w h
  read -r x y w h < <(e2e_geometry "$1")
  [ "$x" -eq "$2" ] && [ "$y" -eq "$3" ]
}

# has_size WINDOW W H
has_size() {
  local x y w h
  read -r x y w h < <(e2e_geometry "$1")
  [ "$w" -eq "$2" ] && [ "$h" -eq "$3" ]
}

# drag WINDOW FROM_X FROM_Y TO_X TO_Y: holds the left button at a window point and lets go at a
# screen point.
drag() {
  xdotool mousemove --window "$1" "$2" "$3" mousedown 1
  xdotool mousemove "$(( $4 - 20 ))" "$5"
  xdotool mousemove "$4" "$5" mouseup 1
}

if [ "$mode" = composited ]; then
  xcompmgr 2>"$E2E_TMP/xcompmgr.log" &
  E2E_PIDS+=($!)
  e2e_wait_until "xcompmgr to own the compositing selection" 30 e2e_compositor_running
fi
e2e_frame_margins

e2e_start "$VEXMORA_BIN/vexmora"
app=$E2E_LAST_PID
main=$(e2e_wait_window Vexmora 60)
e2e_wait_focus "$main"
read -r x y w h < <(e2e_geometry "$main")

if [ "$mode" = bare ]; then
  [ "$w" -eq 490 ] && [ "$h" -eq 442 ] || fail "the window is ${w}x${h}, not 490x442"
  [ "$E2E_FRAME_TOP" -eq 31 ] || fail "a compositor runs on the bare server"
  # Everything the window shows along its edges is frame: nothing transparent shows black.
  e2e_screenshot "$shots/frame_bare_active.png"
  for strip in "${w}x2+$x+$y" "${w}x2+$x+$((y + h - 2))" "2x${h}+$x+$y" "2x${h}+$((x + w - 2))+$y"; do
    black=$(convert "$shots/frame_bare_active.png" -crop "$strip" -depth 8 txt:- | grep -c '#000000' || true)
    [ "$black" -eq 0 ] || fail "$black black pixels along the window's edge ($strip)"
  done
  # The title bar is ours: the skin's title colour, with the caption written in light text.
  [ "$(pixel $((x + 250)) $((y + 12)))" = 262626 ] || fail "the title bar is $(pixel $((x + 250)) $((y + 12))), not 262626"
  light=$(convert "$shots/frame_bare_active.png" -crop "120x20+$((x + 8))+$((y + 6))" -depth 8 txt:- |
    awk -F'[(,)]' 'NR > 1 && $2 + $3 + $4 > 450 {n++} END {print n + 0}')
  [ "$light" -gt 20 ] || fail "no caption text in the title bar ($light light pixels)"

  # Moving by the title: the right edge 9 pixels from the screen's snaps flush, 10 does not.
  grab_x=200 grab_y=15
  drag "$main" "$grab_x" "$grab_y" $(( screen_w - 9 - w + grab_x )) $(( 100 + grab_y ))
  e2e_wait_until "the window to snap to the right edge" 20 at_position "$main" $(( screen_w - w )) 100
  drag "$main" "$grab_x" "$grab_y" $(( screen_w - 10 - w + grab_x )) $(( 120 + grab_y ))
  e2e_wait_until "the window to stop 10 pixels from the right edge" 20 at_position "$main" $(( screen_w - 10 - w )) 120
  drag "$main" "$grab_x" "$grab_y" $(( 9 + grab_x )) $(( 9 + grab_y ))
  e2e_wait_until "the window to snap to the top-left corner" 20 at_position "$main" 0 0

  # Another window takes the focus: the frame turns inactive.
  xmessage -geometry +700+700 -name other "another window" &
  E2E_PIDS+=($!)
  other=$(e2e_wait_window other 30)
  e2e_wait_focus "$other"
  e2e_screenshot "$shots/frame_bare_inactive.png"

  # A double click on the title maximizes to the whole screen; another restores.
  e2e_wait_focus "$main"
  xdotool mousemove --window "$main" 250 15 click --repeat 2 --delay 60 1
  e2e_wait_until "the window to fill the screen" 20 has_size "$main" "$screen_w" "$screen_h"
  # The window's own pixels reach the screen's corner (its status bar), nothing black.
  painted_to_corner() { [ "$(pixel $((screen_w - 60)) $((screen_h - 12)))" != 000000 ]; }
  e2e_wait_until "the maximized window to be painted to the screen's corner" 20 painted_to_corner
  e2e_screenshot "$shots/frame_bare_maximized.png"
  xdotool mousemove 640 10 click --repeat 2 --delay 60 1
  e2e_wait_until "the window to be restored" 20 has_size "$main" "$w" "$h"

  # The close button (30 x 30, 10 from the right edge, at the top) lights up under the mouse
  # and ends the program.
  close_x=$(( w - 10 - 15 ))
  xdotool mousemove --window "$main" "$close_x" 16
  read -r x y w h < <(e2e_geometry "$main")
  close_lit() { [ "$(pixel $((x + close_x - 12)) $((y + 16)))" != 262626 ]; }
  e2e_wait_until "the close button to light up" 20 close_lit
  e2e_screenshot "$shots/frame_bare_hot_close.png"
  xdotool click 1
  ended() { ! kill -0 "$app" 2>/dev/null; }
  e2e_wait_until "the program to end after its close button" 30 ended
  status=0
  wait "$app" || status=$?
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
  echo "bare frame: ${w}x${h}, snapped at 9 and not at 10, closed by its button"
  exit 0
fi

# Composited: the window is the client area with the skin's frame (22 at the sides and the
# bottom, 48 title) and a 17-pixel shadow on every side.
[ "$w" -eq 552 ] && [ "$h" -eq 507 ] || fail "the window is ${w}x${h}, not 552x507"
[ $(( w - E2E_FRAME_LEFT - E2E_FRAME_RIGHT )) -eq 474 ] || fail "the frame is not $E2E_FRAME_LEFT + $E2E_FRAME_RIGHT wide"
e2e_screenshot "$shots/frame_composited_active.png"
# Below the frame the shadow lightens towards the desktop: darkest right at the frame.
frame_bottom=$(( y + h - 17 ))
near=$(brightness "$(pixel $((x + w / 2)) $((frame_bottom + 1)))")
middle=$(brightness "$(pixel $((x + w / 2)) $((frame_bottom + 8)))")
far=$(brightness "$(pixel $((x + w / 2)) $((frame_bottom + 30)))")
[ "$near" -lt "$middle" ] && [ "$middle" -lt "$far" ] ||
  fail "no shadow falling off below the window: $near, $middle, $far"
# The active frame carries the accent along its top.
accent=$(pixel $((x + w / 2)) $((y + 17)))
[ $(( 16#${accent:4:2} )) -gt $(( 16#${accent:0:2} + 100 )) ] || fail "the active frame's top is $accent"

xmessage -geometry +20+20 -name other "another window" &
E2E_PIDS+=($!)
other=$(e2e_wait_window other 30)
e2e_wait_focus "$other"
inactive_top() {
  local top
  top=$(pixel $((x + w / 2)) $((y + 17)))
  [ $(( 16#${top:4:2} )) -lt $(( 16#${top:0:2} + 20 )) ]
}
e2e_wait_until "the frame to turn inactive" 20 inactive_top
e2e_screenshot "$shots/frame_composited_inactive.png"

# The close button under the mouse: its red plate, and the glow around it.
e2e_wait_focus "$main"
close_x=$(( w - 17 - 10 - 15 )) close_y=$(( 17 + 9 + 15 ))
xdotool mousemove --window "$main" "$close_x" "$close_y"
glowing() {
  local beside
  beside=$(pixel $((x + close_x - 18)) $((y + close_y)))
  [ $(( 16#${beside:4:2} )) -gt $(( 16#${beside:0:2} + 8 )) ]
}
e2e_wait_until "the glow beside the close button" 20 glowing
e2e_screenshot "$shots/frame_composited_hot_close.png"
xdotool mousemove --window "$main" 250 300

# A double click on the title maximizes: the window fills the screen without a shadow.
e2e_wait_focus "$main"
xdotool mousemove --window "$main" 250 40 click --repeat 2 --delay 60 1
e2e_wait_until "the window to fill the screen" 20 has_size "$main" "$screen_w" "$screen_h"
opaque_edge() {
  [ "$(pixel 0 500)" = "$(pixel 100 500)" ] && [ "$(pixel 0 500)" = 2f2f2f ]
}
e2e_wait_until "the window's own pixels at the screen's left edge" 20 opaque_edge
e2e_screenshot "$shots/frame_composited_maximized.png"
xdotool mousemove 640 10 click --repeat 2 --delay 60 1
e2e_wait_until "the window to be restored" 20 has_size "$main" "$w" "$h"
echo "composited frame: ${w}x${h} with its shadow; maximized to ${screen_w}x${screen_h} without"
