# Helpers of the QR picture scripts: the stand-in chart service, the main window's parts and
# the picture found on the screen. Source after lib.sh and e2e_setup.

# e2e_chart_service ARGS...: starts chart-service on a free loopback port and points the
# program at it through VEXMORA_CHART_HOST.
e2e_chart_service() {
  local out="$E2E_TMP/chart-service.out" log="$E2E_TMP/chart-service.log" pid port=
  # The files exist before the service starts: the redirection happens in the child after
  # the fork, so reading them at once could otherwise find nothing there.
  : >"$out"
  : >"$log"
  "$VEXMORA_BIN/chart-service" --host 127.0.0.1 --port 0 "$@" >"$out" 2>"$log" &
  pid=$!
  E2E_PIDS+=($pid)
  local deadline=$((SECONDS + 60))
  while [ "$SECONDS" -lt "$deadline" ]; do
    port=$(sed -n 's/^listening on 127\.0\.0\.1:\([0-9][0-9]*\).*/\1/p' "$out" | head -n 1)
    if [ -n "$port" ]; then
      export VEXMORA_CHART_HOST="127.0.0.1:$port"
      return 0
    fi
    kill -0 "$pid" 2>/dev/null || fail "chart-service ended before reporting its port: $(cat "$out" "$log")"
    sleep 0.1
  done
  fail "waited 60s for chart-service to print 'listening on 127.0.0.1:PORT': $(cat "$out" "$log")"
}

# e2e_window_geometry WINDOW: sets WIN_X, WIN_Y, WIN_W, WIN_H (the client area on the screen).
e2e_window_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT
}

# e2e_click_generate WINDOW: clicks "Genarate QR code". The data panel (130 pixels) sits on the
# status bar (24 pixels) at the bottom of the window; the button lies at 322, 72 in it,
# 140 x 40 pixels.
e2e_click_generate() {
  e2e_window_geometry "$1"
  xdotool mousemove --window "$1" 392 $((WIN_H - 24 - 130 + 92)) click 1
}

# e2e_click_data_field WINDOW: clicks into the data field (12, 28 in the data panel, 300 x 84).
e2e_click_data_field() {
  e2e_window_geometry "$1"
  xdotool mousemove --window "$1" 162 $((WIN_H - 24 - 130 + 70)) click 1
}

# e2e_map_keys TEXT: gives each character of the text beyond ASCII a key of its own, from the
# keycodes the keyboard map leaves empty. xdotool would otherwise remap a spare key for each
# such stroke and map it back right after, which races the program's reading of the map and
# loses letters on a busy machine; with the keys in place it only presses them.
e2e_map_keys() {
  local free keysym i=0
  mapfile -t free < <(xmodmap -pke | awk 'NF == 3 {print $2}')
  while read -r keysym; do
    case " ${E2E_MAPPED_KEYS:-} " in *" $keysym "*) continue ;; esac
    # The last empty keycode stays free for xdotool's own use.
    [ $((i + 1)) -lt ${#free[@]} ] || fail "no free keycode left for $keysym"
    xmodmap -e "keycode ${free[$i]} = $keysym $keysym"
    E2E_MAPPED_KEYS="${E2E_MAPPED_KEYS:-} $keysym"
    i=$((i + 1))
  done < <(printf '%s' "$1" | perl -CS -ne 'my %seen; print map { sprintf("U%04X\n", ord) }
    grep { ord > 127 && !$seen{$_}++ } split //')
}

# e2e_type_text TEXT: types the text, pressing Return for each line break.
e2e_type_text() {
  local first=1 line
  e2e_map_keys "$1"
  while IFS= read -r line || [ -n "$line" ]; do
    [ "$first" = 1 ] || xdotool key Return
    first=0
    [ -z "$line" ] || xdotool type --delay 30 "$line"
  done <<<"$1"
}

# e2e_find_picture SHOT OUT: cuts the shown QR picture out of a screenshot of the window into
# OUT and prints its size as WxH. The picture panel fills the window's left part above the
# data panel; in it the picture is the one solid white area, framed by its white quiet zone.
# The panels' one-pixel white bevels are worn away by an erosion (5 x 5), whose 2 pixels are
# then given back to the picture's box.
e2e_find_picture() {
  local shot=$1 out=$2 area box w h x y
  area="$((WIN_W - 240))x$((WIN_H - 154))+$WIN_X+$WIN_Y"
  box=$(convert "$shot" -crop "$area" +repage -fill black +opaque "#FFFFFF" \
    -morphology Erode Square:2 -format "%@" info:)
  IFS='x+' read -r w h x y <<<"$box"
  [ "$w" -gt 0 ] && [ "$h" -gt 0 ] || return 1
  box="$((w + 4))x$((h + 4))+$((x - 2))+$((y - 2))"
  convert "$shot" -crop "$area" +repage -crop "$box" +repage "$out"
  identify -format "%wx%h" "$out"
}

# e2e_wait_picture SHOT OUT [SECONDS]: takes screenshots until a picture is shown (the download
# may take a moment on a busy machine) and prints its size as e2e_find_picture does.
e2e_wait_picture() {
  local shot=$1 out=$2 seconds=${3:-60} deadline
  deadline=$((SECONDS + seconds))
  while [ "$SECONDS" -lt "$deadline" ]; do
    sleep 0.5
    e2e_screenshot "$shot"
    e2e_find_picture "$shot" "$out" && return 0
  done
  echo "e2e: waited ${seconds}s for a picture in the window; last screenshot: $shot" >&2
  return 1
}

# e2e_scan PNG: the bytes of the QR symbol in the picture, exactly as encoded.
e2e_scan() {
  zbarimg --raw -q --oneshot -Sbinary "$1"
}

# e2e_expect_scan PNG EXPECTED-FILE: the symbol must hold exactly the bytes of the file.
e2e_expect_scan() {
  e2e_scan "$1" >"$E2E_TMP/scanned.bin" || fail "zbarimg found no QR symbol in $1"
  cmp -s "$E2E_TMP/scanned.bin" "$2" ||
    fail "$1 reads '$(od -c "$E2E_TMP/scanned.bin" | head -n 5)' instead of '$(od -c "$2" | head -n 5)'"
}

# e2e_expect_text_scan PNG EXPECTED-FILE: plain zbarimg, which shows the symbol as text in
# the character set the symbol names or one it guesses, must give exactly the file's bytes.
e2e_expect_text_scan() {
  zbarimg --raw -q --oneshot "$1" >"$E2E_TMP/scanned-text.bin" 2>/dev/null ||
    fail "zbarimg found no QR symbol in $1"
  cmp -s "$E2E_TMP/scanned-text.bin" "$2" ||
    fail "$1 reads as text '$(head -c 200 "$E2E_TMP/scanned-text.bin")' instead of '$(head -c 200 "$2")'"
}
