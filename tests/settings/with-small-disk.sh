#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command with a small disk of its own: a 64 KiB tmpfs, named to the
# command in VINDEL_SMALL_DISK as wine sees it (on drive Z:), unmounted
# afterwards. Mounting needs root; without it, or where the system refuses,
# the command runs without the variable and its full-disk test skips (or
# fails, with VINDEL_REQUIRE_REAL_PEERS=1, as in CI).
#
#   with-small-disk.sh COMMAND [ARGUMENTS...]
set -uo pipefail

disk=""
if [ "$(id -u)" -eq 0 ]; then
  disk=$(mktemp -d /tmp/vindel-small-disk.XXXXXX)
  if mount -t tmpfs -o size=64k,mode=0777 vindel-small-disk "$disk"; then
    trap 'umount "$disk"; rmdir "$disk"' EXIT
    export VINDEL_SMALL_DISK="Z:${disk//\//\\}"
  else
    rmdir "$disk"
  fi
fi
"$@"
