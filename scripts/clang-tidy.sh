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
# compile_commands.json names each file by its absolute path.
mapfile -t files < <(
  grep -oE '"file": *"[^"]+"' "$build/compile_commands.json" |
    sed -E 's/^"file": *"(.*)"$/\1/; s|^'"$PWD"'/||' |
    grep -E '^(src|tools)/' | sort -u
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
