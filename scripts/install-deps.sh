#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what Vindel needs to build and test on Debian 12. Safe to run again:
# it only calls apt-get when a package is missing.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-format clang-tidy clang-14 libclang-rt-14-dev
  # fonts the windows are laid out with
  fonts-crosextra-carlito fonts-dejavu-core
  # network tests: private namespaces and real telnet servers to talk to
  iproute2 util-linux inetutils-telnetd ucspi-tcp socat libtelnet-dev
  python3
  # window tests on a real X server: a virtual display, a small window
  # manager, and tools to read window properties and send input
  xvfb openbox x11-utils xdotool
  # a desktop theme that gives each kind of control dark colours of its own
  # (Qt's gtk3 platform theme with GTK's Adwaita:dark), for the window test
  # that Vindel's fields stay readable under it
  qt6-gtk-platformtheme gnome-themes-extra
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
