#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds what ships for Windows: Vindel.exe, its zip and its installer, in
# build/windows-<arch> (see packaging/windows). Needs Debian's mingw-w64
# compilers and nsis, which scripts/ci-windows.sh installs (and then tests
# what this builds).
#
#   bash scripts/windows-package.sh [x86|x64]     default: x86
set -euo pipefail
cd "$(dirname "$0")/.."
arch=${1:-x86}
case "$arch" in
  x86 | x64) ;;
  *)
    echo "usage: bash scripts/windows-package.sh [x86|x64]" >&2
    exit 2
    ;;
esac
command -v makensis >/dev/null || {
  echo "makensis is missing (Debian package nsis): run 'bash scripts/ci-windows.sh $arch' once" >&2
  exit 1
}
preset="windows-$arch"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target vindel_zip vindel_installer
ls -l "build/$preset"/Vindel-*-windows-"$arch".zip "build/$preset"/Vindel-*-windows-"$arch"-setup.exe
