#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the screenshots of both windows in docs/, on a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
for p in xvfb xauth; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends xvfb xauth
done
cmake --preset dev >/dev/null
cmake --build --preset dev --target vindel-screenshots
out="$(pwd)/docs"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
# A scratch working directory, so that no settings file of the operator's is read.
(cd "$scratch" && QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" \
  "$OLDPWD/build/dev/tools/screenshots/vindel-screenshots" "$out")
