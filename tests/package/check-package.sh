#!/usr/bin/env bash
# Builds the Debian package from the build tree with CPack and checks it: its control
# fields, that it carries every command the tree built with a man page each, the desktop
# files, icons, metainfo (appstreamcli), the stand-ins' user units, the installation store as
# a configuration file, and that lintian finds no errors.
set -euo pipefail
build=$(cd "$1" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "package: $*" >&2
  exit 1
}

# Every command the project may install; the ones this tree has built must be packaged.
commands=(vexmora pngtool chart-service maker-site nettool skintool)

(cd "$build" && cpack -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
arch=$(dpkg --print-architecture)
deb="$work/out/vexmora_${version}_${arch}.deb"
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$work/out")"
[[ "$version" =~ ^[0-9]+\.[0-9]+$ ]] || fail "version '$version' is not a decimal number"

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = vexmora ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
# Computed by dpkg-shlibdeps: the libraries the programs link, with versions.
depends=$(field Depends)
for library in libc6 libqt6widgets6 libqrencode4 libpng16-16 zlib1g; do
  grep -Eq "(^|, )$library \(>= [^)]+\)" <<<"$depends" || fail "Depends lacks $library: $depends"
done

# Contents.
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/contents"
has() { grep -qxF "$1" "$work/contents" || fail "the package lacks $1"; }
packaged=()
for command in "${commands[@]}"; do
  [ -x "$build/bin/$command" ] || continue
  has "/usr/bin/$command"
  has "/usr/share/man/man1/$command.1.gz"
  packaged+=("$command")
done
has /usr/share/applications/vexmora.desktop
has /usr/share/icons/hicolor/scalable/apps/vexmora.svg
for size in 16 22 24 32 48 64 128 256; do
  has "/usr/share/icons/hicolor/${size}x${size}/apps/vexmora.png"
done
has /usr/share/metainfo/io.github.orvanti.Vexmora.metainfo.xml
has /usr/share/doc/vexmora/copyright
has /usr/share/doc/vexmora/changelog.gz
has /usr/lib/systemd/user/vexmora-chart-service.service
has /usr/lib/systemd/user/default.target.wants/vexmora-chart-service.service
if [ -x "$build/bin/maker-site" ]; then
  has /usr/lib/systemd/user/vexmora-maker-site.service
fi
has /etc/xdg/Orvanti/Vexmora.reg
# Nothing of the build or test trees slips in.
if grep -Ev '^/(usr/(bin|share|lib/systemd/user)|etc/xdg/Orvanti)(/|$)|^/(usr|usr/lib|usr/lib/systemd|etc|etc/xdg)?/?$' "$work/contents" >"$work/stray"; then
  fail "unexpected files: $(head -n 5 "$work/stray")"
fi

dpkg-deb -x "$deb" "$work/root"
dpkg-deb -e "$deb" "$work/control"

# The store: a configuration file, with the package's version and the product page.
grep -qxF /etc/xdg/Orvanti/Vexmora.reg "$work/control/conffiles" || fail "the store is not a conffile"
store="$work/root/etc/xdg/Orvanti/Vexmora.reg"
tr -d '\r' <"$store" | grep -qxF "\"Version\"=\"$version\"" || fail "store Version is not $version: $(cat "$store")"
website=$(sed -n 's/^VEXMORA_WEBSITE:STRING=//p' "$build/CMakeCache.txt")
tr -d '\r' <"$store" | grep -qxF "\"Website\"=\"$website\"" || fail "store Website is not $website: $(cat "$store")"

# The desktop entry starts only the program; the unit starts the stand-in on loopback.
grep -qx 'Exec=vexmora' "$work/root/usr/share/applications/vexmora.desktop" || fail "desktop entry Exec"
grep -qx 'ExecStart=chart-service --host 127.0.0.1 --port [0-9]*' \
  "$work/root/usr/lib/systemd/user/vexmora-chart-service.service" || fail "chart-service unit ExecStart"

# Icons are PNGs of their size.
for size in 16 48 256; do
  got=$(identify -format '%wx%h' "$work/root/usr/share/icons/hicolor/${size}x${size}/apps/vexmora.png")
  [ "$got" = "${size}x${size}" ] || fail "${size}x${size} icon is $got"
done

# The metainfo names the package's version as its newest release and validates.
metainfo="$work/root/usr/share/metainfo/io.github.orvanti.Vexmora.metainfo.xml"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo lacks release $version"
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 || { cat "$work/appstream.log" >&2; fail "appstreamcli validate failed"; }

# Lintian: no errors. Warnings and infos are printed for the record.
lintian --fail-on error --display-level '>=info' "$deb" >"$work/lintian.log" 2>&1 || {
  cat "$work/lintian.log" >&2
  fail "lintian reports errors"
}
grep -v '^N:' "$work/lintian.log" | grep -v 'running with root privileges' || true
echo "package: $(basename "$deb") with ${packaged[*]}; Depends: $depends"
