#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Regenerates src/common/Windows1252BestFit.inc, the table of Vindel's own
# Windows-1252 conversion, from the platform's conversion: builds the
# generator for 64-bit Windows and runs it under wine (scripts/ci-windows.sh
# x64 installs both). Commit the result: builds read the committed table and
# need no wine. The Windows tests compare the conversion with the platform's.
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64 --target vindel_best_fit
out=src/common/Windows1252BestFit.inc
build/windows-x64/wine-run.sh build/windows-x64/tools/best-fit/vindel_best_fit.exe </dev/null >"$out.new"
mv "$out.new" "$out"
echo "wrote $out ($(grep -c '^{' "$out") runs)"
