#!/bin/bash
# skintool render: the internal skin's button in its three states, and refused arguments.
set -euo pipefail
skintool=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for state in 0 1 2; do
    "$skintool" render --internal BUTTON 140x40 "$state" --parent PANEL "$out/button$state.png"
    # IHDR: width 140, height 40.
    [ "$(od -An -tx1 -j16 -N8 "$out/button$state.png" | tr -d " \n")" = "0000008c00000028" ]
done
# The three states differ from each other.
! cmp -s "$out/button0.png" "$out/button1.png"
! cmp -s "$out/button1.png" "$out/button2.png"
"$skintool" render --internal PANEL 1x1 0 "$out/one.png"
for bad in "NOSUCH 10x10 0" "BUTTON 0x10 0" "BUTTON 4097x10 0" "BUTTON 10y10 0" "BUTTON 10x10 x"; do
    # shellcheck disable=SC2086
    if "$skintool" render --internal $bad "$out/bad.png" 2>/dev/null; then
        echo "accepted: $bad"
        exit 1
    fi
done
echo "skintool render: ok"
