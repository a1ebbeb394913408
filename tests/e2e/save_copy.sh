#!/usr/bin/env bash
# The shown QR picture leaves the program: Ctrl+S saves it through the save dialog as a PNG
# file, Ctrl+C in the data field puts it on the clipboard for other programs.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/qr_helpers.sh"
e2e_setup
export XDG_CONFIG_DIRS="$E2E_TMP/no-store"
# The program keeps no settings file: nothing may appear in the user's folders.
e2e_private_home
out="$VEXMORA_BUILD/e2e"
e2e_chart_service --format palette

e2e_start "$VEXMORA_BIN/vexmora"
window=$(e2e_wait_window Vexmora)
e2e_wait_focus "$window"
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
dialog=$(e2e_wait_window "Save As") || { e2e_screenshot "$out/save_copy-nodialog.png"; fail "no save dialog"; }
e2e_wait_focus "$dialog"
e2e_screenshot "$out/save_copy-dialog.png"
name="$E2E_TMP/saved/qrcode"
e2e_type_into_field "$dialog" alt+n "$name" || {
  e2e_screenshot "$out/save_copy-name.png"
  fail "the name field held '$E2E_FIELD_TEXT', not '$name' (screen: $out/save_copy-name.png)"
}
xdotool key Return
# The file appears complete or not at all: it is written under another name and renamed.
saved_or_shown() {
  test -s "$E2E_TMP/saved/qrcode.png" && return 0
  # Kept for the failure report: what the screen showed while we waited, and where files named
  # like the picture went (every 2 seconds).
  if [ "$SECONDS" -ge "${next_shot:-0}" ]; then
    e2e_screenshot "$out/save_copy-waiting.png" 2>/dev/null || true
    find "$E2E_TMP" "$PWD" -name '*qrcode*' >"$out/save_copy-waiting.txt" 2>/dev/null || true
    next_shot=$((SECONDS + 2))
  fi
  return 1
}
e2e_wait_until "the saved file $E2E_TMP/saved/qrcode.png (screen: $out/save_copy-waiting.png, files named like it: $out/save_copy-waiting.txt)" 60 saved_or_shown
[ ! -e "$E2E_TMP/saved/qrcode" ] || fail "saved without the .png extension"
[ "$(ls -A "$E2E_TMP/saved")" = "qrcode.png" ] || fail "more than the picture in the folder: $(ls -la "$E2E_TMP/saved")"
e2e_wait_until "the save dialog to close" 60 sh -c "! xdotool search --onlyvisible --name '^Save As\$' >/dev/null"
saved_size=$(identify -format "%wx%h" "$E2E_TMP/saved/qrcode.png")
[ "$saved_size" = "$shown_size" ] || fail "saved $saved_size, shown $shown_size"
e2e_expect_scan "$E2E_TMP/saved/qrcode.png" "$E2E_TMP/expected.bin"
echo "saved $saved_size"

# Ctrl+C with the focus in the data field copies the picture, not the text.
e2e_wait_focus "$window"
e2e_click_data_field "$window"
xdotool key ctrl+a
xdotool key ctrl+c
clipboard_offers_png() {
  targets=$(xclip -selection clipboard -t TARGETS -o 2>/dev/null) && echo "$targets" | grep -qx "image/png"
}
targets=
e2e_wait_until "image/png among the clipboard's targets" 60 clipboard_offers_png
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
written=$(find "$HOME" -mindepth 1 2>/dev/null)
[ -z "$written" ] || fail "the program wrote into the user's folders: $written"
