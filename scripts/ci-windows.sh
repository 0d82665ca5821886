#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Cross-builds Vindel's core, the Win32 toolkit and their tests for Windows
# with Debian's mingw-w64 and runs the tests under wine, the toolkit's window
# tests on a private virtual display. Installs what is missing first (Debian
# packages only) and is safe to run again. Needs no display and no stdin.
#
#   scripts/ci-windows.sh          both, as CI runs it
#   scripts/ci-windows.sh x64      64-bit only, under wine64
#   scripts/ci-windows.sh x86      32-bit only, under wine32
#
# Each build also makes the program's zip and installer, and its tests run the
# installer under wine on a private virtual display. After the 32-bit tests,
# the start-up benchmark (bench/windows/run.sh) runs once.
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

packages=(cmake ninja-build googletest)
# What ships and its tests: makensis for the installer, a virtual display for
# the programs that show windows under wine, Carlito for Calibri and wine's own
# Tahoma there, python3 for the manifest check.
packages+=(nsis xvfb fonts-crosextra-carlito fonts-wine python3)
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

# Some kernels are built without 32-bit support and refuse i386 programs
# ("Exec format error"), wine32's loader among them, and with it every 32-bit
# Windows program: Vindel.exe for x86 and the installer of either build. There
# the 32-bit programs are still built and packed, and their tests are skipped
# loudly rather than failed for the kernel's sake.
runs_32bit=yes
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  runs_32bit=no
  echo "NOTE: this kernel runs no 32-bit programs: the 32-bit tests, the installer test and the" >&2
  echo "      32-bit start-up benchmark are SKIPPED here; a kernel with 32-bit support runs them." >&2
fi

for arch in "${arches[@]}"; do
  preset="windows-$arch"
  step "$preset: cross-build the core and its tests"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j 2

  status=0
  if [ "$runs_32bit" = yes ]; then
    step "$preset: run the tests under wine"
    ctest --preset "$preset" -j 2 </dev/null || status=$?
  elif [ "$arch" = x64 ]; then
    step "$preset: run the tests under wine, but the (32-bit) installer's"
    ctest --preset "$preset" -j 2 -E '^windows_installer$' </dev/null || status=$?
  else
    step "$preset: tests SKIPPED (this kernel runs no 32-bit programs)"
  fi
  # The wine server of this build's prefix would linger a few seconds more.
  WINEPREFIX="$PWD/build/$preset/wine-prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
  [ "$status" -eq 0 ] || exit "$status"
done

# What ships for Windows, from the 32-bit build, whose tests above have run
# the installer: where the files are, then the start-up benchmark.
ship_x86() {
  step "windows-x86: what ships"
  ls -l build/windows-x86/Vindel-*-windows-x86.zip build/windows-x86/Vindel-*-windows-x86-setup.exe

  step "windows-x86: start-up benchmark, Vindel.exe against a bare window, under wine"
  bash bench/windows/run.sh 5 x86
}
for arch in "${arches[@]}"; do
  [ "$arch" != x86 ] || [ "$runs_32bit" = no ] || ship_x86
done
