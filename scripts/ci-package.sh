#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Vindel's Debian package and checks it the way a user would meet it:
#   1. the release build and cpack;
#   2. dpkg's view of the package; lintian, which must report no error and no
#      warning; the menu entry and software-centre entry as installed, through
#      desktop-file-validate and appstreamcli;
#   3. a fresh Debian 12 made with debootstrap (minbase), where apt installs
#      the package with nothing but its Depends, and the installed program is
#      started on Qt's offscreen platform as an ordinary user.
# Needs root (apt-get, debootstrap, chroot); no display, no input. Safe to run
# again: everything it makes lives under build/package/, and the debootstrap
# result is kept there as a pristine copy so later runs skip that download.
# VINDEL_DEBIAN_MIRROR overrides the mirror taken from apt's sources.
set -euo pipefail
cd "$(dirname "$0")/.."
step() { printf '\n== %s\n' "$*"; }
fail() {
  echo "ci-package: $*" >&2
  exit 1
}

[ "$(id -u)" -eq 0 ] || fail "run as root: apt-get, debootstrap and chroot need it"

work="$PWD/build/package"
base="$work/base"  # debootstrap's result, never changed once complete
root="$work/root"  # this run's copy, where the package goes in

# Unmounts whatever is still mounted below build/package, deepest first, so
# that an interrupted run never leaves /proc of a chroot behind, and so that
# rm -rf never walks into a mounted file system.
# The mount table is read into a variable first: under pipefail, grep -q
# quitting early could make findmnt's SIGPIPE read as "no mounts".
mounts_below() {
  local table
  table=$(findmnt -rn -o TARGET)
  grep -F "$1/" <<<"$table" | sort -r || true
}
unmount_all() {
  local target
  while read -r target; do
    [ -z "$target" ] || umount "$target" || umount -l "$target"
  done < <(mounts_below "$work")
}
remove_tree() {
  unmount_all
  [ -z "$(mounts_below "$1")" ] || fail "$1 still has mounts; not removing it"
  rm -rf "$1"
}
trap unmount_all EXIT

step "packaging tools"
bash scripts/install-deps.sh
tools=(desktop-file-utils appstream dpkg-dev debootstrap debian-archive-keyring lintian)
missing=()
for p in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

step "release build and package"
cmake --preset release >/dev/null
cmake --build --preset release --parallel 2
# A stale package from an earlier version must not be the one tested.
rm -f build/release/vindel_*.deb
cpack --preset release
debs=(build/release/vindel_*_"$(dpkg --print-architecture)".deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  fail "expected one package, found: ${debs[*]}"
fi
deb="${debs[0]}"

step "dpkg's view of $(basename "$deb")"
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"

step "lintian"
# Its notes at the level "info" are shown but do not fail the check.
lintian --info --fail-on error,warning "$deb"

step "menu entry and software-centre entry, as installed"
tree="$work/tree"
remove_tree "$tree"
mkdir -p "$tree"
dpkg-deb -x "$deb" "$tree"
desktop-file-validate "$tree"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.metainfo.xml
# Also checks that the metainfo's launchable and icon are in the package.
appstreamcli validate-tree --no-net "$tree"

step "a fresh Debian 12"
if [ ! -f "$work/base.complete" ]; then
  # Debootstrap from the mirror apt already uses; the security archive's
  # URI also contains /debian, so skip it.
  mirror="${VINDEL_DEBIAN_MIRROR:-$(
    cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources \
      2>/dev/null | grep -v '^[[:space:]]*#' |
      grep -oE '(https?)://[^ ]+/debian/?( |$)' | grep -v security | head -n 1 | tr -d ' ' || true
  )}"
  [ -n "$mirror" ] || fail "no Debian mirror in apt's sources; set VINDEL_DEBIAN_MIRROR"
  echo "debootstrap from $mirror"
  remove_tree "$base"
  start=$SECONDS
  debootstrap --variant=minbase bookworm "$base" "$mirror" >"$work/debootstrap.log" 2>&1 ||
    {
      tail -n 30 "$work/debootstrap.log"
      fail "debootstrap failed; its log is $work/debootstrap.log"
    }
  echo "debootstrap took $((SECONDS - start)) s"
  touch "$work/base.complete"
else
  echo "reusing $base"
fi
remove_tree "$root"
cp -a "$base" "$root"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"

# Nothing from this machine's environment leaks into the clean root.
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }

step "apt installs the package"
cp "$deb" "$root/tmp/vindel.deb"
start=$SECONDS
in_root apt-get update -q
# Without Recommends: the program must run on what Depends pulls in.
in_root env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -q --no-install-recommends /tmp/vindel.deb
echo "apt-get took $((SECONDS - start)) s"

step "the installed program starts"
in_root sh -c 'command -v vindel && command -v Vindel'
# The platform plugin for a real X11 display, and every library it loads.
xcb=$(in_root sh -c 'ls /usr/lib/*/qt6/plugins/platforms/libqxcb.so')
if in_root ldd "$xcb" | grep 'not found'; then
  fail "the X11 platform plugin misses libraries"
fi
in_root useradd --create-home installer
set +e
in_root runuser -u installer -- env HOME=/home/installer QT_QPA_PLATFORM=offscreen \
  timeout 5 vindel
status=$?
set -e
# timeout's 124 says the program was still running its event loop after 5 s.
[ "$status" -eq 124 ] || fail "the installed program ended with status $status within 5 s"
echo "still running after 5 s"
[ -d "$root/home/installer/.local/share/vindel" ] ||
  fail "the wrapper did not make the per-user data directory"

unmount_all
remove_tree "$root"
step "package checks passed"
