#!/usr/bin/env bash
# A copied picture outlives the program: at exit it is handed to the desktop's clipboard
# manager (the freedesktop protocol, here xfce4-clipman's), in bounded time, and another
# program can still paste it. xfce4-clipman also fetches what is copied as soon as it is
# copied, so this shows what the user sees with it, and that ending the program with the
# handover stays quick; it cannot tell the handover apart from that fetch.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/qr_helpers.sh"
e2e_setup
export XDG_CONFIG_DIRS="$E2E_TMP/no-store"
export HOME="$E2E_TMP/home" XDG_CONFIG_HOME="$E2E_TMP/home/.config"
mkdir -p "$HOME"
out="$VEXMORA_BUILD/e2e"
command -v xfce4-clipman >/dev/null || fail "xfce4-clipman is missing (scripts/bootstrap installs it)"

# The manager keeps its settings on a session bus of its own.
e2e_start_group "$E2E_TMP/clipman.log" dbus-run-session -- xfce4-clipman
# The manager is ready once a text outlives the program that copied it.
probe_outlives_its_owner() {
  printf 'probe' | xclip -selection clipboard -i &
  local owner=$!
  sleep 0.3
  kill "$owner" 2>/dev/null || true
  wait "$owner" 2>/dev/null || true
  [ "$(xclip -selection clipboard -o 2>/dev/null || true)" = "probe" ]
}
e2e_wait_until "xfce4-clipman to keep a copied text" 60 probe_outlives_its_owner

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

e2e_wait_until "image/png on the clipboard after vexmora ended" 30 clipboard_offers_png
xclip -selection clipboard -t image/png -o >"$E2E_TMP/kept.png"
e2e_expect_scan "$E2E_TMP/kept.png" "$E2E_TMP/expected.bin"
cp "$E2E_TMP/kept.png" "$out/clipboard_handover-kept.png"
echo "the picture outlived the program: $(identify -format "%wx%h" "$E2E_TMP/kept.png")"
