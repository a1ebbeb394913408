#!/usr/bin/env bash
# Draws and packs the internal skin twice and compares the bytes with each other and with the
# package the build embedded: the same sources must always give the same package.
set -euo pipefail
skingen=$1 options=$2 embedded=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$skingen" "$options" "$work/a.asz" "$work/a.cpp"
"$skingen" "$options" "$work/b.asz" "$work/b.cpp"
cmp "$work/a.asz" "$work/b.asz"
cmp "$work/a.cpp" "$work/b.cpp"
cmp "$work/a.asz" "$embedded"
echo "internal skin package reproducible: $(stat -c %s "$work/a.asz") bytes"
