#!/usr/bin/env bash
# Run by install-in-debian.sh under Xvfb: the program installed in VEXMORA_ROOT shows its
# main window, not the reinstall error.
set -euo pipefail
source "$(dirname "$0")/../e2e/lib.sh"
root=$VEXMORA_ROOT
shot="$VEXMORA_WORK/installed-window.png"

# The display wants its authorisation cookie, which lives outside the root.
cp "$XAUTHORITY" "$root/tmp/xauthority"
chroot "$root" env -i PATH=/usr/bin:/bin HOME=/root DISPLAY="$DISPLAY" XAUTHORITY=/tmp/xauthority \
  XDG_RUNTIME_DIR=/tmp/runtime /usr/bin/vexmora >"$VEXMORA_WORK/vexmora.log" 2>&1 &
program=$!
window=$(e2e_wait_window Vexmora 60) || fail "no main window: $(cat "$VEXMORA_WORK/vexmora.log")"
sleep 1
if xdotool search --onlyvisible --name '^Error' >/dev/null 2>&1; then
  fail "the installed program shows an error"
fi
kill -0 "$program" || fail "the installed program ended"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" -eq 490 ] && [ "$HEIGHT" -eq 442 ] || fail "main window is ${WIDTH}x${HEIGHT}"
e2e_screenshot "$shot"
mkdir -p "$VEXMORA_SHOTS"
cp "$shot" "$VEXMORA_SHOTS/installed-window.png"
kill "$program"
wait "$program" 2>/dev/null || true
echo "install-in-debian: the installed program shows its main window ${WIDTH}x${HEIGHT}"
