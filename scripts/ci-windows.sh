#!/usr/bin/env bash
# Cross-builds Vindel's core, the Win32 toolkit and their tests for Windows
# with Debian's mingw-w64 and runs the tests under wine, the window tests on
# a private virtual display (Xvfb). Installs what is missing first (Debian
# packages only) and is safe to run again. Needs no display and no stdin.
#
#   scripts/ci-windows.sh          both, as CI runs it
#   scripts/ci-windows.sh x64      64-bit only, under wine64
#   scripts/ci-windows.sh x86      32-bit only, under wine32
#
# wine32 needs the i386 architecture in dpkg: the first run adds it, updates
# apt's lists and installs wine32:i386 with about 100 packages (and moves
# installed amd64 libraries to the versions the i386 ones need).
#
# Each build lives in build/windows-<arch>, with a wine prefix of its own
# inside it; nothing in ~/.wine is used.
set -euo pipefail
cd "$(dirname "$0")/.."
step() { printf '\n== %s\n' "$*"; }

arches=("$@")
[ ${#arches[@]} -gt 0 ] || arches=(x64 x86)

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
apt_install() {
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "$@" </dev/null
}
installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

# The window tests run on a private X display with a small window manager,
# in Carlito where the windows ask for Calibri.
packages=(cmake ninja-build googletest xvfb openbox x11-utils fonts-crosextra-carlito)
for arch in "${arches[@]}"; do
  case "$arch" in
    x64) packages+=(g++-mingw-w64-x86-64-posix wine64) ;;
    x86) packages+=(g++-mingw-w64-i686-posix wine32:i386) ;;
    *) echo "unknown architecture '$arch': x64 or x86" >&2; exit 2 ;;
  esac
done

step "packages"
missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if printf '%s\n' "${missing[@]}" | grep -q ':i386$' &&
    ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${as_root[@]}" dpkg --add-architecture i386
  fi
  "${as_root[@]}" apt-get update -q </dev/null
  apt_install "${missing[@]}"
fi

for arch in "${arches[@]}"; do
  preset="windows-$arch"
  step "$preset: cross-build the core and its tests"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j 2

  step "$preset: run the tests under wine"
  status=0
  ctest --preset "$preset" -j 2 </dev/null || status=$?
  # The wine servers of this build's prefixes would linger a few seconds more.
  for prefix in wine-prefix wine-prefix-display; do
    WINEPREFIX="$PWD/build/$preset/$prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
  done
  [ "$status" -eq 0 ] || exit "$status"
done
