#!/usr/bin/env bash
# The main window on a real X server: its title, outer size and place in the screen centre;
# a second copy warns centred on the screen and ends with status 0 while the first keeps
# running; an installation without a version shows the error and ends.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup

store="$E2E_TMP/store"
mkdir -p "$store/Orvanti"
printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Orvanti\\Vexmora]\r\n"Version"="1.0"\r\n"Website"="http://localhost:8421/vexmora.html"\r\n' \
  >"$store/Orvanti/Vexmora.reg"
export XDG_CONFIG_DIRS="$store"

read -r screen_w screen_h < <(xdotool getdisplaygeometry) || fail "display $DISPLAY does not answer"

# geometry WINDOW: prints "x y width height" of the window.
geometry() {
  xdotool getwindowgeometry --shell "$1" | awk -F= '
    /^X=/ {x=$2} /^Y=/ {y=$2} /^WIDTH=/ {w=$2} /^HEIGHT=/ {h=$2}
    END {print x, y, w, h}'
}

# expect_centred NAME X Y W H: the window's centre lies within a pixel of the screen's.
expect_centred() {
  local name=$1 x=$2 y=$3 w=$4 h=$5
  local dx=$(( 2 * x + w - screen_w )) dy=$(( 2 * y + h - screen_h ))
  [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] ||
    fail "$name at ${x},${y} size ${w}x${h} is not centred on ${screen_w}x${screen_h}"
}

# answer_and_wait WINDOW PID SECONDS: presses Enter in the dialog, which answers its default
# button, until the program has ended; sets exit_status to its status. A busy machine may
# swallow the first key while the dialog is still being mapped, so the key is repeated. It
# must not run in a subshell, which could not wait for the shell's children.
answer_and_wait() {
  local window=$1 pid=$2 seconds=$3
  for _ in $(seq $((seconds * 2))); do
    kill -0 "$pid" 2>/dev/null || break
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key Return 2>/dev/null || true
    sleep 0.5
  done
  kill -0 "$pid" 2>/dev/null && fail "process $pid still runs after ${seconds}s"
  exit_status=0
  wait "$pid" || exit_status=$?
}

# The first copy: the main window, outer size 490 x 442 (no window manager, so no frame),
# in the centre of the screen.
e2e_start "$VEXMORA_BIN/vexmora"
first=$E2E_LAST_PID
# A loaded machine may take a while to start the first program on a fresh display.
main=$(e2e_wait_window Vexmora 60)
e2e_wait_focus "$main"
read -r x y w h < <(geometry "$main")
[ "$w" -eq 490 ] && [ "$h" -eq 442 ] || fail "main window is ${w}x${h}, not 490x442"
main_size="${w}x${h}"
expect_centred "main window" "$x" "$y" "$w" "$h"
[ "$(xdotool getwindowname "$main")" = "Vexmora" ] || fail "main window title is '$(xdotool getwindowname "$main")'"
e2e_screenshot "$VEXMORA_BUILD/e2e/main_window.png"

# A second copy warns and ends with status 0; the first is undisturbed.
"$VEXMORA_BIN/vexmora" &
second=$!
warning=$(e2e_wait_window 'Warning( — Vexmora)?' 60)
# The dialog is placed once it knows its size; until then it may show elsewhere.
warning_centred() {
  read -r x y w h < <(geometry "$warning")
  ( expect_centred "warning" "$x" "$y" "$w" "$h" ) 2>/dev/null
}
e2e_wait_until "the warning to be centred on the screen" 60 warning_centred
read -r x y w h < <(geometry "$warning")
expect_centred "warning" "$x" "$y" "$w" "$h"
e2e_screenshot "$VEXMORA_BUILD/e2e/main_window_second_instance.png"
answer_and_wait "$warning" "$second" 20
[ "$exit_status" -eq 0 ] || fail "second copy ended with status $exit_status"
kill -0 "$first" 2>/dev/null || fail "the first copy ended"
xdotool search --onlyvisible --name '^Vexmora$' >/dev/null || fail "the first copy's window is gone"
kill "$first"
wait "$first" 2>/dev/null || true

# Without a version in the store the error is shown and the program ends with status 0.
printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Orvanti\\Vexmora]\r\n"Website"="http://localhost:8421/vexmora.html"\r\n' \
  >"$store/Orvanti/Vexmora.reg"
"$VEXMORA_BIN/vexmora" &
broken=$!
error=$(e2e_wait_window 'Error( — Vexmora)?' 60)
e2e_screenshot "$VEXMORA_BUILD/e2e/main_window_missing_version.png"
answer_and_wait "$error" "$broken" 20
[ "$exit_status" -eq 0 ] || fail "the failed start ended with status $exit_status"

echo "main window ${main_size}; screenshots in $VEXMORA_BUILD/e2e/"
