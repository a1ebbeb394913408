#!/usr/bin/env bash
# Makes the fresh Debian 12 root that install-in-debian.sh installs the package into:
# debootstrap from the mirror apt already uses, apt's lists, and the libraries the program
# is expected to need downloaded but not installed. It needs no build, so CI runs it while
# the compilers are busy; the installation itself, and so the check of the package's
# computed dependencies, stays with install-in-debian.sh.
#   make-debian-root.sh ROOT
# ROOT must not exist yet. The finished root holds the file .vexmora-root-ready.
set -euo pipefail
root=$1

fail() {
  echo "make-debian-root: $*" >&2
  exit 1
}
[ "$(id -u)" -eq 0 ] || fail "debootstrap and chroot need root"
command -v debootstrap >/dev/null || fail "debootstrap is not installed (Debian package debootstrap)"
[ ! -e "$root" ] || fail "$root exists already"

# The Debian mirror apt's own sources use for bookworm.
mirror=$(apt-cache policy | awk '$3 ~ /^bookworm\/main$/ {print $2; exit}')
[ -n "$mirror" ] || fail "apt has no source for bookworm/main"

# Kept outside any clone, so later runs on this machine fetch only what changed.
cache=${VEXMORA_DEBOOTSTRAP_CACHE:-/var/cache/vexmora/debootstrap}
mkdir -p "$cache" "$(dirname "$root")"
log=$(mktemp /var/tmp/make-debian-root.XXXXXX)
trap 'rm -f "$log"' EXIT

started=$(date +%s)
debootstrap --variant=minbase --cache-dir="$cache" bookworm "$root" "$mirror" >"$log" 2>&1 ||
  { tail -n 30 "$log" >&2; fail "debootstrap failed"; }
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root DEBIAN_FRONTEND=noninteractive "$@"; }
in_root apt-get update -qq >"$log" 2>&1 || { cat "$log" >&2; fail "apt-get update failed"; }
# Only a head start: a name missing here costs a download later, never a wrong result.
expected=(libqt6widgets6 libqt6gui6 libqt6core6 libqt6network6 qt6-qpa-plugins libcurl4
  libjpeg62-turbo libpng16-16 libqrencode4 zlib1g)
in_root apt-get install -y -qq --download-only --no-install-recommends "${expected[@]}" >"$log" 2>&1 ||
  echo "make-debian-root: could not download ahead: $(tail -n 1 "$log")"
touch "$root/.vexmora-root-ready"
echo "make-debian-root: $root ready in $(($(date +%s) - started)) s"
