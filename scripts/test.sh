#!/usr/bin/env bash
# Installs what is missing, builds every target with warnings as errors, checks
# the formatting and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

echo "== formatting"
files=$(git ls-files '*.cpp' '*.h')
# shellcheck disable=SC2086
clang-format --dry-run --Werror $files

echo "== build and tests"
cmake --preset ci
cmake --build --preset ci
ctest --preset ci

# Further suites (sanitizers, fuzzing, real telnet servers) add themselves here.
for extra in scripts/ci-*.sh; do
  [ -e "$extra" ] || continue
  echo "== $extra"
  bash "$extra"
done
