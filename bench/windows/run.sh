#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Vindel's start under wine, against a plain Win32 program that makes the
# same two windows and all their controls directly, with the same fonts,
# pictures and accessibility, and no Vindel code, built the same way
# (bench/windows/PlainWindows.cpp, vindel_plain_windows): for each, the time
# from starting the program to its shown main window and its working set
# then, measured by tools/win32-launch, several runs each, taken in turn, and
# the ratios of the medians. Goal: Vindel.exe / vindel_plain_windows at most
# 1.1 each.
#
# For reference, the table also holds: the same plain program with painted
# labels and no accessible names (vindel_plain_windows_painted: what the
# accessibility costs), the bare window with the main window's three combo
# boxes (vindel_combo_window: what common controls 6 and those boxes cost
# alone), and the bare window of the same size (vindel_bare_window,
# BareWindow.cpp), the earlier yardstick.
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
cmake --build --preset "$preset" --target Vindel vindel_plain_windows vindel_plain_windows_painted \
  vindel_bare_window vindel_combo_window vindel_launch
tests/support/with-x-server.sh "$build/wine-x11-run.sh" \
  "$build/tools/win32-launch/vindel_launch.exe" --runs "$runs" \
  "$build/Vindel.exe" "$build/bench/windows/vindel_plain_windows.exe" \
  "$build/bench/windows/vindel_plain_windows_painted.exe" \
  "$build/bench/windows/vindel_combo_window.exe" "$build/bench/windows/vindel_bare_window.exe"
echo "goal: both ratios of Vindel.exe to vindel_plain_windows at most 1.1"
