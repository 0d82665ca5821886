#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Vindel and runs its tests.
#
#   bash scripts/test.sh         everything, as CI runs it (as root, on a fresh
#                                Debian 12 machine too), in this order:
#     1. installs what is missing (Debian packages, through apt-get);
#     2. the formatting check;
#     3. every target in an optimised build with warnings as errors, and all
#        tests: the window tests offscreen and on a private Xvfb display, the
#        real Telnet servers and the end-to-end run in private network
#        namespaces (as root, nothing there may skip);
#     4. clang-tidy over src/ and tools/, with the project's configuration;
#     5. the core's tests under AddressSanitizer+UBSan and ThreadSanitizer;
#     6. the Telnet option parser's fuzzer, for a bounded time;
#     7. one short run of each benchmark, whose ratios go to the log;
#     8. the Debian package: built, checked by lintian, installed in a clean
#        Debian 12 root and started;
#     9. the core cross-built for Windows and its tests under wine.
#
#   bash scripts/test.sh quick   the day-to-day loop, as an ordinary user: the
#                                formatting check, the dev build and every test
#                                that needs no root. It installs nothing and
#                                writes nothing outside the work tree; what it
#                                can't run here it skips with a message. Needs
#                                what the full command installs (run that once).
#
# VINDEL_FUZZ_SECONDS sets the fuzzing time (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
# Each step says how far into the run it starts, so a log shows what costs.
step() { printf '\n== %s (at %d min %02d s)\n' "$*" $((SECONDS / 60)) $((SECONDS % 60)); }

mode="${1:-full}"
case "$mode" in
  full | quick) ;;
  *)
    echo "usage: bash scripts/test.sh [quick]" >&2
    exit 2
    ;;
esac

check_formatting() {
  step "formatting and license headers"
  mapfile -t sources < <(git ls-files '*.cpp' '*.h')
  clang-format --dry-run --Werror "${sources[@]}"
  # Every source file names its license near the top.
  local unlicensed
  unlicensed=$(git ls-files '*.cpp' '*.h' '*.sh' '*.cmake' '*.py' '*.rc' '*.nsi' 'CMakeLists.txt' '*/CMakeLists.txt' |
    while read -r file; do
      head -n 3 "$file" | grep -q 'SPDX-License-Identifier: MIT' || echo "$file"
    done)
  if [ -n "$unlicensed" ]; then
    echo "no SPDX-License-Identifier line near the top of:" >&2
    echo "$unlicensed" >&2
    return 1
  fi
}

if [ "$mode" = quick ]; then
  for tool in cmake ninja clang-format; do
    command -v "$tool" >/dev/null || {
      echo "$tool is missing: run 'bash scripts/test.sh' once as root, which installs it" >&2
      exit 1
    }
  done
  # Scratch files, Qt's runtime directory and font caches stay in the tree.
  scratch="$PWD/build/quick-scratch"
  mkdir -p "$scratch/tmp" "$scratch/cache"
  mkdir -m 0700 -p "$scratch/runtime"
  export TMPDIR="$scratch/tmp" XDG_RUNTIME_DIR="$scratch/runtime" XDG_CACHE_HOME="$scratch/cache"
  unset VINDEL_REQUIRE_REAL_PEERS
  check_formatting
  step "dev build and every test"
  cmake --preset dev >/dev/null
  cmake --build --preset dev
  # Tests that need root or a missing tool say so and count as skipped.
  ctest --preset dev
  exit 0
fi

step "packages"
bash scripts/install-deps.sh
bash tests/net/fetch-busybox.sh

check_formatting

if [ "$(id -u)" -eq 0 ]; then
  # Nothing stands in the way of the real-server and real-display tests as
  # root: a skip there would hide a broken set-up.
  export VINDEL_REQUIRE_REAL_PEERS=1
fi

step "build everything (optimised, warnings as errors) and run every test"
cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci

step "clang-tidy over src/ and tools/ (the project's .clang-tidy)"
bash scripts/clang-tidy.sh build/ci

for preset in asan tsan; do
  step "$preset: build and test the core"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

step "fuzz the option parser for ${VINDEL_FUZZ_SECONDS:-60} s"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target net_parser_fuzz
mkdir -p build/fuzz/corpus
build/fuzz/src/net/fuzz/net_parser_fuzz -max_total_time="${VINDEL_FUZZ_SECONDS:-60}" -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=build/fuzz/ \
  build/fuzz/corpus src/net/fuzz/corpus

step "benchmark: option parser against libtelnet"
build/ci/bench/net_parser_bench --benchmark_min_time=0.2 --benchmark_color=false
step "benchmark: a whole provisioning run against its prescribed waits, and the reading of the answers"
build/ci/bench/provisioning_bench --benchmark_color=false

step "the Debian package: build, lintian, install in a clean Debian 12 and start"
bash scripts/ci-package.sh

step "the core for Windows: cross-built with mingw-w64, tested under wine (64 and 32 bits)"
bash scripts/ci-windows.sh
step "done"
