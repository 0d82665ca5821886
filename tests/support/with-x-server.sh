#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command on a private virtual X display, for the window tests that
# only show on a real X server (window-manager ownership, stacking, focus,
# real key events). Each run gets a display of its own, so tests can run in
# parallel and leave nothing behind.
#
#   with-x-server.sh [--wm] [--screen WIDTHxHEIGHTxDEPTH] [--panel PIXELS] COMMAND [ARGS...]
#
# --wm also starts openbox, a small window manager, and waits until it has
# taken the display. The command runs with DISPLAY set and QT_QPA_PLATFORM=xcb.
# The screen is 1600 x 1000 x 24 unless --screen says otherwise. --panel has
# the window manager keep a strip of that height free along the bottom, as
# for a desktop panel: the work area (_NET_WORKAREA) is the screen without it.
# Exits 77 (ctest's skip code for these tests) when Xvfb or openbox is not
# installed, or fails then where nothing may skip (VINDEL_REQUIRE_REAL_PEERS=1,
# as in CI as root). A listing of a test binary's cases needs no display and
# runs anyway.
set -euo pipefail

with_wm=0
screen=1600x1000x24
panel=0
while [ $# -gt 0 ]; do
  case "$1" in
    --wm) with_wm=1; shift ;;
    --screen) screen=$2; shift 2 ;;
    --panel) panel=$2; shift 2 ;;
    *) break ;;
  esac
done

missing() {
  local what=$1
  shift
  for arg in "$@"; do
    if [ "$arg" = "--gtest_list_tests" ]; then
      QT_QPA_PLATFORM=offscreen exec "$@"
    fi
  done
  if [ "${VINDEL_REQUIRE_REAL_PEERS:-}" = 1 ]; then
    echo "$what is not installed, and the window tests may not skip: $*" >&2
    exit 1
  fi
  echo "$what is not installed: skipping $*" >&2
  exit 77
}

command -v Xvfb >/dev/null || missing "Xvfb (package xvfb)" "$@"
[ "$with_wm" -eq 0 ] || command -v openbox >/dev/null || missing "openbox (package openbox)" "$@"

scratch=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# -displayfd writes the number of a free display once the server listens.
mkfifo "$scratch/display"
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$scratch/display" 2>"$scratch/xvfb.log" &
pids+=($!)
read -r -t 30 number <"$scratch/display" || {
  echo "Xvfb did not start:" >&2
  cat "$scratch/xvfb.log" >&2
  exit 1
}
export DISPLAY=":$number"
export QT_QPA_PLATFORM=xcb

if [ "$with_wm" -eq 1 ]; then
  # The panel's strip is one of openbox's own settings, its screen margins;
  # everything else stays as the system's configuration has it.
  config=()
  if [ "$panel" -gt 0 ]; then
    sed "/<margins>/,/<\/margins>/ s|<bottom>[0-9]*</bottom>|<bottom>$panel</bottom>|" \
      /etc/xdg/openbox/rc.xml >"$scratch/rc.xml"
    config=(--config-file "$scratch/rc.xml")
  fi
  openbox --sm-disable "${config[@]}" >"$scratch/openbox.log" 2>&1 &
  pids+=($!)
  # The window manager has taken the display once it has named itself on
  # the root window.
  for _ in $(seq 1 300); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
fi

status=0
"$@" || status=$?
exit "$status"
