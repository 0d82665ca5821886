#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Regenerates src/ui/SimpleLowerCase.inc, the lower-case table of the title,
# from Qt's QChar::toLower. Commit the result: builds read the committed
# table, on Windows too, where there is no Qt.
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake --preset dev >/dev/null
cmake --build --preset dev --target vindel_lower_case
out=src/ui/SimpleLowerCase.inc
build/dev/tools/lower-case/vindel_lower_case >"$out.new"
mv "$out.new" "$out"
echo "wrote $out ($(grep -c '^{' "$out") runs)"
