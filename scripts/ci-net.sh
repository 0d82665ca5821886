#!/usr/bin/env bash
# What CI runs for the Telnet client (src/net, tests/net, bench/):
#   1. the client's tests in the AddressSanitizer+UBSan and the
#      ThreadSanitizer builds, real Telnet servers included;
#   2. the option parser's fuzzer, for a bounded time;
#   3. the same tests in an optimised build with warnings as errors, and one
#      short run of the parser benchmark, whose ratios go to the log.
# Runs as root in CI (the real-server tests need a network namespace; there
# they must run, not skip). No display, no stdin. About 5 to 10 minutes on
# two cores.
#
#   scripts/ci-net.sh            everything
#   VINDEL_FUZZ_SECONDS=10 scripts/ci-net.sh
set -euo pipefail
cd "$(dirname "$0")/.."

fuzz_seconds="${VINDEL_FUZZ_SECONDS:-60}"
step() { printf '\n== %s\n' "$*"; }

step "packages"
scripts/install-deps.sh

step "busybox with telnetd, for the real-server tests"
tests/net/fetch-busybox.sh

if [ "$(id -u)" -eq 0 ]; then
  # As root nothing stands in the way of the real-server tests: a skip would
  # hide a broken setup, so make it a failure.
  export VINDEL_REQUIRE_REAL_PEERS=1
fi

for preset in asan tsan; do
  step "$preset: build and test"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --test-dir "build/$preset/tests/net" --output-on-failure --timeout 180
done

step "fuzz the option parser for ${fuzz_seconds} s"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target net_parser_fuzz
mkdir -p build/fuzz/corpus
build/fuzz/src/net/fuzz/net_parser_fuzz -max_total_time="$fuzz_seconds" -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=build/fuzz/ \
  build/fuzz/corpus src/net/fuzz/corpus

# The ci preset, without the Qt program, in a tree of its own: optimised,
# warnings as errors, the benchmark built.
step "optimised build: test and benchmark"
cmake --preset ci -B build/ci-net -DVINDEL_BUILD_GUI=OFF >/dev/null
cmake --build build/ci-net
ctest --test-dir build/ci-net/tests/net --output-on-failure --timeout 180
build/ci-net/bench/net_parser_bench --benchmark_min_time=0.2 --benchmark_color=false

step "done"
