#!/usr/bin/env bash
# The main road: a text typed into the data field becomes a QR picture fetched from the
# stand-in chart service, shown in the window and read back from the screen by zbarimg, both
# as bytes and as the text a reader shows, accented letters included.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/qr_helpers.sh"
e2e_setup
export XDG_CONFIG_DIRS="$E2E_TMP/no-store"
out="$VEXMORA_BUILD/e2e"
e2e_chart_service --verbose

e2e_bind_keys "Café crème brûlée, naïve €"
e2e_start "$VEXMORA_BIN/vexmora"
window=$(e2e_wait_window Vexmora)
e2e_wait_focus "$window"
e2e_window_geometry "$window"

# generate_and_check NAME TEXT: types the text into the data field, generates and reads the
# shown picture back; it must hold the text with CR LF line breaks. The focus is in the data
# field at the start; later the button that was clicked has it.
generate_and_check() {
  local name=$1 text=$2 size
  [ "$name" = plain ] || e2e_click_data_field "$window"
  xdotool key --window "$window" ctrl+a BackSpace
  e2e_type_text "$text"
  e2e_click_generate "$window"
  size=$(e2e_wait_picture "$out/generate-$name.png" "$out/generate-$name-picture.png") ||
    fail "no picture shown for $name"
  printf '%s' "$text" | sed 's/$/\r/; $ s/\r$//' >"$E2E_TMP/expected-$name.bin"
  e2e_expect_scan "$out/generate-$name-picture.png" "$E2E_TMP/expected-$name.bin"
  e2e_expect_text_scan "$out/generate-$name-picture.png" "$E2E_TMP/expected-$name.bin"
  echo "$name: picture $size read back"
  shown_size=$size
}

generate_and_check plain "Hello Vexmora"
# The service was asked for 200 x 200; the picture shown has the size of the PNG it sent.
curl -s -o "$E2E_TMP/sent.png" "http://$VEXMORA_CHART_HOST/chart?chs=200x200&cht=qr&chld=L&chl=Hello+Vexmora&chof=png"
sent_size=$(identify -format "%wx%h" "$E2E_TMP/sent.png")
[ "$shown_size" = "$sent_size" ] || fail "picture shown at $shown_size, the service sent $sent_size"

generate_and_check accents "Café crème brûlée, naïve €"
generate_and_check umlauts "Grüße, ünïcödé €"
generate_and_check lines $'first line\nsecond line\n\nlast line'
grep -q 'chl=first+line%0D%0Asecond+line%0D%0A%0D%0Alast+line&chof=png' "$E2E_TMP/chart-service.log" ||
  fail "line breaks did not reach the service as CR LF: $(cat "$E2E_TMP/chart-service.log")"

kill -0 "$E2E_LAST_PID" || fail "vexmora ended"
echo "screenshots in $out"
