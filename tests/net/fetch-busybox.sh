#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Puts Debian's busybox-static, which has the telnetd applet, into DIR without
# installing it (it would replace the busybox package). Usage:
#   tests/net/fetch-busybox.sh [DIR]     (default: build/peers/busybox)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
dir="${1:-$root/build/peers/busybox}"
if [ -x "$dir/bin/busybox" ]; then
  exit 0
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# As root, apt warns that its download user can't write here and fetches
# unsandboxed instead; that is harmless.
# A machine whose package lists were never fetched knows no such package yet.
(cd "$work" && apt-get download -q busybox-static) ||
  { apt-get update -q && (cd "$work" && apt-get download -q busybox-static); }
mkdir -p "$dir"
dpkg-deb -x "$work"/busybox-static_*.deb "$dir"
"$dir/bin/busybox" telnetd --help >/dev/null 2>&1 || { echo "no telnetd applet in $dir/bin/busybox" >&2; exit 1; }
