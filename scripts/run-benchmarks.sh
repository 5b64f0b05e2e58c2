#!/usr/bin/env bash
# Builds the benchmarks (optimised) and runs them. Extra arguments go to the
# benchmark program, e.g. --benchmark_filter=Tree or --benchmark_format=json.
#
#   JOBS=2 scripts/run-benchmarks.sh             # limit build parallelism
set -euo pipefail

cd "$(dirname "$0")/.."
cmake --preset bench
cmake --build --preset bench ${JOBS:+-j "$JOBS"}
exec build/bench/bin/rackmason_bench "$@"
