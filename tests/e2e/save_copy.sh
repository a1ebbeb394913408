#!/usr/bin/env bash
# The shown QR picture leaves the program: Ctrl+S saves it through the save dialog as a PNG
# file, Ctrl+C in the data field puts it on the clipboard for other programs.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/qr_helpers.sh"
e2e_setup
export XDG_CONFIG_DIRS="$E2E_TMP/no-store"
out="$VEXMORA_BUILD/e2e"
e2e_chart_service --format palette

e2e_start "$VEXMORA_BIN/vexmora"
window=$(e2e_wait_window Vexmora)
sleep 1
e2e_window_geometry "$window"

text="Saved and copied QR"
printf '%s' "$text" >"$E2E_TMP/expected.bin"
e2e_type_text "$text"
e2e_click_generate "$window"
shown_size=$(e2e_wait_picture "$out/save_copy-shown.png" "$out/save_copy-picture.png") || fail "no picture shown"
e2e_expect_scan "$out/save_copy-picture.png" "$E2E_TMP/expected.bin"

# Ctrl+S: the save dialog of the program's own drawing opens with the focus in its name field.
# A name typed without extension is saved with ".png".
mkdir -p "$E2E_TMP/saved"
xdotool key --window "$window" ctrl+s
dialog=$(e2e_wait_window "Save As" 10) || { e2e_screenshot "$out/save_copy-nodialog.png"; fail "no save dialog"; }
sleep 0.5
e2e_screenshot "$out/save_copy-dialog.png"
xdotool type --delay 20 "$E2E_TMP/saved/qrcode"
xdotool key Return
for _ in $(seq 50); do [ -s "$E2E_TMP/saved/qrcode.png" ] && break; sleep 0.1; done
[ -s "$E2E_TMP/saved/qrcode.png" ] || fail "no file saved: $(ls -la "$E2E_TMP/saved")"
[ ! -e "$E2E_TMP/saved/qrcode" ] || fail "saved without the .png extension"
saved_size=$(identify -format "%wx%h" "$E2E_TMP/saved/qrcode.png")
[ "$saved_size" = "$shown_size" ] || fail "saved $saved_size, shown $shown_size"
e2e_expect_scan "$E2E_TMP/saved/qrcode.png" "$E2E_TMP/expected.bin"
echo "saved $saved_size"

# Ctrl+C with the focus in the data field copies the picture, not the text.
sleep 0.5
e2e_click_data_field "$window"
xdotool key ctrl+a
xdotool key ctrl+c
targets=
for _ in $(seq 20); do
  sleep 0.25
  targets=$(xclip -selection clipboard -t TARGETS -o 2>/dev/null) && echo "$targets" | grep -qx "image/png" && break
done
[ -n "$targets" ] || fail "nothing on the clipboard"
echo "$targets" | grep -qx "image/png" || fail "no image/png offered: $targets"
echo "$targets" | grep -qx "image/bmp" || fail "no image/bmp offered: $targets"
! echo "$targets" | grep -qx "UTF8_STRING" || fail "the selected data text was copied: $targets"
xclip -selection clipboard -t image/png -o >"$E2E_TMP/clipboard.png"
clip_size=$(identify -format "%wx%h" "$E2E_TMP/clipboard.png")
[ "$clip_size" = "$shown_size" ] || fail "clipboard picture $clip_size, shown $shown_size"
e2e_expect_scan "$E2E_TMP/clipboard.png" "$E2E_TMP/expected.bin"
cp "$E2E_TMP/clipboard.png" "$out/save_copy-clipboard.png"
echo "copied $clip_size"

kill -0 "$E2E_LAST_PID" || fail "vexmora ended"
