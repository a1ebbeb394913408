#!/usr/bin/env bash
# End to end for the package: builds it, installs it into a fresh Debian 12 root made with
# debootstrap (make-debian-root.sh), starts the installed program there on an Xvfb display
# and expects its main window, not the reinstall error; runs the installed chart-service;
# then removes the package (the store stays) and purges it (the store goes).
# It needs root and debootstrap, and says so when it cannot run. VEXMORA_DEBIAN_ROOT may name
# a root make-debian-root.sh made ahead of time; it is used once and removed.
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)

skip() {
  echo "install-in-debian: skipped: $*"
  exit 0
}
[ "$(id -u)" -eq 0 ] || skip "debootstrap and chroot need root"
command -v debootstrap >/dev/null || skip "debootstrap is not installed (Debian package debootstrap)"
command -v Xvfb >/dev/null || skip "Xvfb is not installed"

fail() {
  echo "install-in-debian: $*" >&2
  exit 1
}

work=$(mktemp -d /var/tmp/vexmora-debian.XXXXXX)
root=${VEXMORA_DEBIAN_ROOT:-$work/root}
cleanup() {
  for pid in $(jobs -p); do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  umount "$root/proc" 2>/dev/null || true
  rm -rf "$work"
  # Never recurse into a /proc that is still mounted.
  mountpoint -q "$root/proc" || rm -rf "$root"
}
trap cleanup EXIT

started=$(date +%s)
(cd "$build" && cpack -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$work"/out/vexmora_*.deb)

if [ -f "$root/.vexmora-root-ready" ]; then
  echo "install-in-debian: using the Debian root made ahead in $root"
else
  [ ! -e "$root" ] || fail "$root is not a finished root of make-debian-root.sh"
  "$here/make-debian-root.sh" "$root"
fi
mount -t proc proc "$root/proc"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root DEBIAN_FRONTEND=noninteractive "$@"; }

cp "$deb" "$root/tmp/vexmora.deb"
# Without recommended packages: the computed dependencies alone must carry the program.
in_root apt-get install -y -qq --no-install-recommends /tmp/vexmora.deb >"$work/apt.log" 2>&1 ||
  { tail -n 30 "$work/apt.log" >&2; fail "installing the package failed"; }
echo "install-in-debian: installed $(basename "$deb") with $(in_root dpkg-query -W -f='${db:Status-Status}' vexmora) status"

# The installed program on a display of its own, reached through the abstract X socket.
mkdir -m 0700 -p "$root/tmp/runtime"
export VEXMORA_ROOT=$root VEXMORA_WORK=$work VEXMORA_SHOTS=$build/e2e
bash "$source_dir/tests/e2e/run-under-xvfb" "$here/window-in-root.sh"

# The installed stand-in answers.
chroot "$root" env -i PATH=/usr/bin:/bin chart-service --host 127.0.0.1 --port 0 >"$work/chart.out" 2>&1 &
chart_pid=$!
for _ in $(seq 100); do
  port=$(sed -n 's/^listening on 127\.0\.0\.1:\([0-9]*\)$/\1/p' "$work/chart.out")
  [ -n "$port" ] && break
  sleep 0.1
done
[ -n "${port:-}" ] || fail "installed chart-service did not start: $(cat "$work/chart.out")"
curl -s --noproxy '*' -o "$work/chart.png" "http://127.0.0.1:$port/chart?chs=200x200&cht=qr&chl=installed"
[ "$(zbarimg --raw -q --oneshot "$work/chart.png" 2>/dev/null)" = installed ] || fail "installed chart-service drew no readable symbol"
kill "$chart_pid"
wait "$chart_pid" 2>/dev/null || true

# Removing takes every file but the store; purging takes the store too.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./|/|' >"$work/files"
in_root apt-get remove -y -qq vexmora >>"$work/apt.log" 2>&1 || fail "removing the package failed"
while read -r file; do
  [ "$file" = /etc/xdg/Orvanti/Vexmora.reg ] && continue
  [ ! -e "$root$file" ] && [ ! -L "$root$file" ] || fail "$file is left after removing the package"
done <"$work/files"
[ -f "$root/etc/xdg/Orvanti/Vexmora.reg" ] || fail "removing the package took the store"
in_root dpkg --purge vexmora >>"$work/apt.log" 2>&1 || fail "purging the package failed"
[ ! -e "$root/etc/xdg/Orvanti" ] || fail "purging the package left $(ls -A "$root/etc/xdg/Orvanti")"
echo "install-in-debian: passed in $(($(date +%s) - started)) s"
