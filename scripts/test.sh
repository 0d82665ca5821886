#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test:
#   1. the formatting check;
#   2. every target in an optimised build with warnings as errors, and all
#      tests, the window tests on Qt's offscreen platform and the real Telnet
#      servers in a private network namespace (as root, they must not skip);
#   3. the core's tests under AddressSanitizer+UBSan and ThreadSanitizer;
#   4. the Telnet option parser's fuzzer, for a bounded time;
#   5. one short run of each benchmark, whose ratios go to the log;
#   6. the Debian package, installed in a clean Debian 12 root and started;
#   7. the core cross-built for Windows and its tests under wine.
# VINDEL_FUZZ_SECONDS sets the fuzzing time (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
step() { printf '\n== %s\n' "$*"; }

step "packages"
bash scripts/install-deps.sh
bash tests/net/fetch-busybox.sh

step "formatting"
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${sources[@]}"

if [ "$(id -u)" -eq 0 ]; then
  # Nothing stands in the way of the real-server tests as root: a skip there
  # would hide a broken set-up.
  export VINDEL_REQUIRE_REAL_PEERS=1
fi

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
cmake --preset ci >/dev/null
cmake --build --preset ci
build/ci/bench/net_parser_bench --benchmark_min_time=0.2 --benchmark_color=false
step "benchmark: a whole provisioning run against its prescribed pauses"
build/ci/bench/provisioning_bench --benchmark_color=false

step "the Debian package: build, validate, install in a clean Debian 12 and start"
bash scripts/ci-package.sh

step "the core for Windows: cross-built with mingw-w64, tested under wine (64 and 32 bits)"
bash scripts/ci-windows.sh

step "build and test everything"
ctest --preset ci
