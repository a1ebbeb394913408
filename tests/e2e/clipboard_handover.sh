#!/usr/bin/env bash
# A copied picture outlives the program: at exit it is handed to the desktop's clipboard
# manager (the freedesktop protocol: the program converts CLIPBOARD_MANAGER to SAVE_TARGETS),
# in bounded time, and another program can still paste it. The manager here keeps nothing
# but what is handed over that way, so the picture can only have come through the handover.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/qr_helpers.sh"
e2e_setup
export XDG_CONFIG_DIRS="$E2E_TMP/no-store"
e2e_private_home
out="$VEXMORA_BUILD/e2e"
/usr/bin/python3 -c 'import Xlib' 2>/dev/null ||
  fail "python3-xlib is missing (scripts/bootstrap installs it)"

manager_out="$E2E_TMP/manager.out"
: >"$manager_out"
e2e_start "$(dirname "$0")/save-targets-manager" >"$manager_out" 2>"$E2E_TMP/manager.log"
manager=$E2E_LAST_PID
manager_ready() {
  grep -qx ready "$manager_out" && return 0
  kill -0 "$manager" 2>/dev/null || fail "the clipboard manager ended: $(cat "$E2E_TMP/manager.log")"
  return 1
}
e2e_wait_until "the clipboard manager to own CLIPBOARD_MANAGER" 60 manager_ready

# A text copied by a program that ends without handing it over goes with it: the manager does
# not fetch what is copied behind its back. (-quiet keeps xclip in the foreground.)
printf 'probe' | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
probe=$!
probe_offered() { [ "$(xclip -selection clipboard -o 2>/dev/null || true)" = "probe" ]; }
e2e_wait_until "xclip to offer the probe text" 60 probe_offered
kill "$probe"
wait "$probe" 2>/dev/null || true
if xclip -selection clipboard -o >/dev/null 2>&1; then
  fail "the clipboard kept a text its owner never handed over"
fi

e2e_chart_service
e2e_start "$VEXMORA_BIN/vexmora"
vexmora=$E2E_LAST_PID
window=$(e2e_wait_window Vexmora)
e2e_wait_focus "$window"
e2e_window_geometry "$window"
text="Outlives the program"
printf '%s' "$text" >"$E2E_TMP/expected.bin"
e2e_type_text "$text"
e2e_click_generate "$window"
e2e_wait_picture "$out/clipboard_handover-shown.png" "$out/clipboard_handover-picture.png" >/dev/null ||
  fail "no picture shown"

e2e_wait_focus "$window"
e2e_click_data_field "$window"
xdotool key ctrl+c
clipboard_offers_png() {
  xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx "image/png"
}
e2e_wait_until "image/png among the clipboard's targets" 60 clipboard_offers_png

# Ctrl+W is the Exit command. The handover may take the manager's time, but never long.
e2e_wait_focus "$window"
xdotool key ctrl+w
started=$SECONDS
program_ended() { ! kill -0 "$vexmora" 2>/dev/null; }
e2e_wait_until "vexmora to end after Exit" 30 program_ended
echo "vexmora ended $((SECONDS - started))s after Exit"
# The manager may still be fetching when the program has stopped waiting for it.
handover_done() {
  grep -q '^handover ' "$manager_out" && return 0
  [ "$SECONDS" -lt "$handover_deadline" ] ||
    fail "no handover 30s after vexmora ended; the manager's log: $(cat "$E2E_TMP/manager.log")"
  return 1
}
handover_deadline=$((SECONDS + 30))
e2e_wait_until "the handover" 60 handover_done
grep '^saved \|^handover ' "$manager_out"
if ! xclip -selection clipboard -t image/png -o >"$E2E_TMP/kept.png" 2>"$E2E_TMP/kept.err"; then
  fail "no picture on the clipboard after vexmora ended: $(cat "$E2E_TMP/kept.err"); the manager's log: $(cat "$E2E_TMP/manager.log")"
fi
e2e_expect_scan "$E2E_TMP/kept.png" "$E2E_TMP/expected.bin"
cp "$E2E_TMP/kept.png" "$out/clipboard_handover-kept.png"
echo "the picture outlived the program: $(identify -format "%wx%h" "$E2E_TMP/kept.png")"
