#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Vindel's start under wine, against a bare Win32 window of the same size
# built the same way (bench/windows/BareWindow.cpp): for each, the time from
# starting the program to its shown main window and its working set then,
# measured by tools/win32-launch, several runs each, taken in turn, and the
# ratios of the medians. Goal: at most 1.2 each.
#
# A third program, the bare window with the main window's three combo boxes
# (vindel_combo_window), shows what common controls 6 and those boxes cost
# alone under wine: its own ratios to the bare window are the least that any
# program with them can reach, and Vindel's ratios to it are what Vindel adds.
#
#   bash bench/windows/run.sh [RUNS] [x86|x64]     default: 7 runs, x86
#
# Runs on a private virtual display (Xvfb) in the build's prefix for window
# programs (see cmake/wine-x11-run.sh.in); scripts/ci-windows.sh installs what
# it needs. Under wine both numbers include wine's own start-up and libraries,
# the same for both programs.
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-7}
arch=${2:-x86}
preset="windows-$arch"
build="build/$preset"

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target Vindel vindel_bare_window vindel_combo_window vindel_launch
tests/support/with-x-server.sh "$build/wine-x11-run.sh" \
  "$build/tools/win32-launch/vindel_launch.exe" --runs "$runs" \
  "$build/Vindel.exe" "$build/bench/windows/vindel_combo_window.exe" \
  "$build/bench/windows/vindel_bare_window.exe"
echo "goal: both ratios of Vindel.exe to the bare window at most 1.2"
