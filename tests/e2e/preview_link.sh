#!/usr/bin/env bash
# The skin editor's preview link on a real X server: started with /acpreview, the program
# says hello to a stand-in editor (skintool preview-send) on the socket in its runtime
# folder, and switches to the folder skin the editor transfers from the test's own skin
# directory. The transferred text gives the memo's EDIT section a red that the internal skin
# does not have, so the switch shows in the screenshots; the pictures come from the folder.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup
e2e_private_home
export XDG_DATA_HOME="$HOME/.local/share"
e2e_store_with_website "http://www.orvanti.example/vexmora.html"
shots="$VEXMORA_BUILD/e2e"
shot="$E2E_TMP/shot.png"

# red_pixels: how many pixels of the transferred EDIT colour (TColor 192: red C0) the screen shows.
red_pixels() {
  e2e_screenshot "$shot"
  convert "$shot" -format %c histogram:info:- | awk 'index($0, "#C00000") {n += $1} END {print n + 0}'
}
shows_red() { [ "$(red_pixels)" -ge 2000 ]; }
said() { grep -q "^$1" "$E2E_TMP/editor.out"; }

skins="$XDG_DATA_HOME/Vexmora/Skins"
"$VEXMORA_BIN/skintool" unpack --internal "$skins/Alt"
sed 's/^COLOR=1710618\r\{0,1\}$/COLOR=192/' "$skins/Alt/Options.dat" >"$E2E_TMP/Options.dat"
grep -q '^COLOR=192' "$E2E_TMP/Options.dat" || fail "the EDIT colour was not replaced"

# The editor holds its transfer until the script has looked at the program as it started.
# Opened for reading and writing, the pipe blocks neither the script nor the editor's start.
mkfifo "$E2E_TMP/go"
exec 3<>"$E2E_TMP/go"
# Started here rather than by e2e_start: a background command's own redirection is what
# keeps the shell from giving it /dev/null for input.
"$VEXMORA_BIN/skintool" preview-send --hold Alt "$skins" "$E2E_TMP/Options.dat" \
  <"$E2E_TMP/go" >"$E2E_TMP/editor.out" &
editor=$!
E2E_PIDS+=("$editor")
e2e_wait_until "the editor to listen" 60 said listening
[ -S "$XDG_RUNTIME_DIR/Morvenna Editor" ] || fail "no socket named after the editor's title"

e2e_start "$VEXMORA_BIN/vexmora" /acpreview
main=$(e2e_wait_window Vexmora 60)
e2e_wait_until "the program's hello" 60 said hello
window=$(sed -n 's/^hello: window //p' "$E2E_TMP/editor.out")
[ "$((window))" -eq "$main" ] || fail "the hello named window $window, not $main"
e2e_wait_focus "$main"
e2e_screenshot "$shots/preview_link_before.png"
[ "$(red_pixels)" -lt 100 ] || fail "the internal skin already shows the transferred colour"

echo go >&3
e2e_wait_until "the program's answer" 60 said answer
grep -q '^answer: 1$' "$E2E_TMP/editor.out" || fail "the program answered: $(cat "$E2E_TMP/editor.out")"
wait "$editor" || fail "skintool preview-send failed"
e2e_wait_until "the memo in the transferred colour" 60 shows_red
e2e_screenshot "$shots/preview_link_after.png"
kill -0 "$E2E_LAST_PID" 2>/dev/null || fail "the program ended after the transfer"
echo "e2e preview link: switched to the folder skin Alt ($(red_pixels) pixels in its EDIT colour)"
