#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs clang-tidy, with the project's .clang-tidy, over every source file of
# src/ and tools/ that a Linux build compiles, and fails on any finding.
#
#   bash scripts/clang-tidy.sh [BUILD_DIR]    default build/ci
#
# The build directory must be configured and built (its compile_commands.json
# names the files and their flags; Qt's generated headers must exist).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/ci}"
[ -f "$build/compile_commands.json" ] || {
  echo "no $build/compile_commands.json: configure and build $build first" >&2
  exit 1
}
mapfile -t files < <(python3 - "$build/compile_commands.json" "$PWD" <<'PY'
import json, os, sys
root = sys.argv[2]
seen = set()
for entry in json.load(open(sys.argv[1])):
    path = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
    rel = os.path.relpath(path, root)
    if rel.split(os.sep)[0] in ("src", "tools") and path not in seen:
        seen.add(path)
        print(rel)
PY
)
echo "clang-tidy over ${#files[@]} files"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
printf '%s\n' "${files[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet >"$log" 2>/dev/null ||
  status=$?
if grep -q 'warning:\|error:' "$log" || [ "$status" -ne 0 ]; then
  cat "$log"
  echo "clang-tidy found the above" >&2
  exit 1
fi
echo "clang-tidy: nothing found"
