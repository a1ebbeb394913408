#!/usr/bin/env bash
# skintool end to end: info, unpack, pack, sections, masks and picture on the internal skin,
# and one line on stderr with status 1 for refused input.
set -euo pipefail
skintool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

"$skintool" info --internal >"$work/info"
[ "$(wc -l <"$work/info")" -eq 12 ] || fail "info lists eleven entries and a summary"
tail -n 1 "$work/info" | grep -qx 'VERSION 7.60, 66 sections' || fail "info summary: $(tail -n 1 "$work/info")"
for name in Options.dat ButtonHuge.bmp Master.bmp Close.png Max.png Min.png Edit.png GlowBtn.png Exbor.png \
  Norm.png FormBorder.png; do
  grep -q "^$name [0-9]" "$work/info" || fail "info lists $name"
done

"$skintool" unpack --internal "$work/skin"
"$skintool" pack "$work/skin" "$work/repacked.asz"
# Outputs go to files first: grep -q would end the pipe early and fail it under pipefail.
"$skintool" info "$work/repacked.asz" >"$work/repacked.info"
tail -n 1 "$work/repacked.info" | grep -qx 'VERSION 7.60, 66 sections' || fail "repacked info"
"$skintool" sections "$work/skin" >"$work/sections"
grep -q '^\[BUTTON\] parent BUTTON states 3' "$work/sections" || fail "sections of the folder"
"$skintool" masks "$work/repacked.asz" >"$work/masks"
grep -q '^BUTTON/BORDERSMASK BorderMask rect 0,0,72,48 states 3 layout 1' "$work/masks" || fail "masks of the package"
if grep -q '^# skipped' "$work/masks"; then fail "internal skin skips a picture"; fi

"$skintool" picture --internal GLOBALINFO EXBORDER "$work/exbor.png"
[ "$(head -c 8 "$work/exbor.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "picture is a PNG"
"$skintool" picture --internal SPEEDBUTTON BORDERSMASK "$work/button.png"  # inherited from BUTTON

refused() {
  local expect=$1
  shift
  if "$skintool" "$@" 2>"$work/err" >/dev/null; then fail "accepted: $*"; fi
  [ "$(wc -l <"$work/err")" -eq 1 ] || fail "one line for: $*"
  grep -q "$expect" "$work/err" || fail "message for $*: $(cat "$work/err")"
}
printf 'BAD!' >"$work/bad.asz"
refused 'not a packed Quillet file' info "$work/bad.asz"
refused 'does not exist' info "$work/none.asz"
refused 'no picture' picture --internal BUTTON NOPE "$work/x.png"
refused 'unknown command' bogus
refused 'unknown command' info
python3 - "$work/evil.asz" <<'PY'
import struct, sys, zlib
def entry(name, data):
    return struct.pack('<i', len(name)) + name + struct.pack('<i', len(data)) + zlib.compress(data)
open(sys.argv[1], 'wb').write(b'ASzf' + struct.pack('<i', 2) + entry(b'Options.dat', b'[A]') + entry(b'../evil', b'x'))
PY
refused 'refusing the entry name' unpack "$work/evil.asz" "$work/out/inner"
[ ! -e "$work/out/evil" ] || fail "unpack wrote outside its folder"
echo "skintool commands: all passed"
