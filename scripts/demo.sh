#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Vindel against the simulated switch, without any hardware: both run in a
# private network namespace, where 127.0.0.1 port 23 is the simulated
# switch and nothing else can be reached. Afterwards it shows what the
# switch received, the password masked.
#
# Run it from a desktop session (X11 or Wayland) as an ordinary user; it asks
# for sudo only to install missing packages.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "demo: no desktop session here (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  exit 1
fi
if ! unshare -rn true 2>/dev/null; then
  echo "demo: this system does not allow a private network namespace (\"unshare -rn\" failed)," >&2
  echo "      which the demo needs so that Vindel can reach its simulated switch on port 23 and" >&2
  echo "      nothing else. On Debian: sudo sysctl kernel.unprivileged_userns_clone=1, or run as root." >&2
  exit 1
fi

bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target Vindel vindel-switch-sim

root="$(pwd)"
work="$(mktemp -d /tmp/vindel-demo.XXXXXX)"
transcript="$work/received-by-the-switch.txt"
cat <<TEXT

Vindel starts now, with a simulated switch on 127.0.0.1.
  1. Pick a model, the input ports and the output ports.
  2. Type 127.0.0.1 as the IP address, admin as the login and secret as the
     password (the simulated switch's account; a wrong one is refused).
     The simulated switch is an SG300-52.
  3. Press Connect, and close each message box when it comes.
Close Vindel (its "Close" button after the run) to see what the switch received.
Vindel keeps its settings file in $work.

TEXT

unshare -rn bash -c '
  set -e
  ip link set lo up
  "$1/build/release/tools/switch-sim/vindel-switch-sim" --transcript "$2" >/dev/null &
  sim=$!
  cd "$3"
  "$1/build/release/Vindel" || true
  kill -TERM "$sim"
  wait "$sim" || true
' demo "$root" "$transcript" "$work"

echo
echo "What the switch received ($transcript):"
cat "$transcript"
