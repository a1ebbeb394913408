#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what lands there: the binaries, the
# desktop entry, the icon and an installation store that the installed program can find
# beside its own bin folder.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/vexmora bin/pngtool bin/nettool bin/chart-service bin/maker-site; do
  [ -x "$prefix/$file" ] || { echo "missing $file"; exit 1; }
done
[ -f "$prefix/share/applications/vexmora.desktop" ] || { echo "missing desktop entry"; exit 1; }
[ -f "$prefix/share/icons/hicolor/scalable/apps/vexmora.svg" ] || { echo "missing icon"; exit 1; }

store="$prefix/etc/xdg/Orvanti/Vexmora.reg"
[ -f "$store" ] || { echo "missing installation store"; exit 1; }
grep -q '^\[HKEY_LOCAL_MACHINE\\Software\\Orvanti\\Vexmora\]' "$store" || { echo "store lacks the key line"; exit 1; }
grep -Eq '^"Version"="[0-9]+\.[0-9]+"' "$store" || { echo "store lacks a decimal Version"; exit 1; }
grep -q '^"Website"="http' "$store" || { echo "store lacks the Website"; exit 1; }
echo "installed tree complete"
