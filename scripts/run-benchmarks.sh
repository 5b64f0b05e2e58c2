#!/usr/bin/env bash
# Builds the benchmarks (optimised) and runs them. Extra arguments go to the
# benchmark program, e.g. --benchmark_filter=Tree or --benchmark_format=json.
#
#   JOBS=2 scripts/run-benchmarks.sh             # limit build parallelism
set -euo pipefail

cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"
# Only the benchmark results go to standard output (they may be read, as JSON).
cmake --preset bench >&2
cmake --build --preset bench ${JOBS:+-j "$JOBS"} >&2
exec build/bench/bin/rackmason_bench "$@"
