#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The reader against the plain yardstick of bench/windows, whose windows are
# made readable the way Vindel's are to be: the labels' texts and the inputs'
# names come through, and the password box says only that it is protected.
# Runs in wine-x11-run.sh's command mode ($VINDEL_WINE), on a private display.
#
#   reader-test.sh READER.exe PLAIN_WINDOWS.exe
set -euo pipefail
reader=$1
program=$2
"$VINDEL_WINE" "$program" </dev/null >/dev/null 2>&1 &
shown=""
for _ in $(seq 1 200); do
  shown=$("$VINDEL_WINE" "$reader" 2>/dev/null) && grep -q ' visible$' <<<"$shown" && break
  sleep 0.2
done
"$(dirname "$VINDEL_WINE")/wineserver" -k 2>/dev/null || true
wait 2>/dev/null || true
status=0
expect() {
  grep -qF -- "$1" <<<"$shown" || {
    echo "not read: $1" >&2
    status=1
  }
}
expect '"Ethernet switch Model:"'
expect '"3. Enter Login and Password "'
expect '"Input Ports"'
expect 'text "IP Address" value="192.168.1.254"'
expect 'text "Login" value=""'
expect 'text "Password" protected'
expect '"Ethernet switch Model"'
expect '"Connect"'
expect '"In/Out Diagram"'
expect '"Close"'
if grep -F '"Password"' <<<"$shown" | grep -q 'value='; then
  echo "the password box's value was read" >&2
  status=1
fi
[ "$status" -eq 0 ] || printf '%s\n' "$shown" >&2
exit "$status"
