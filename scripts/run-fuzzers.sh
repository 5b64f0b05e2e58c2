#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each one for FUZZ_SECONDS (or, with
# FUZZ_RUNS set, for that many runs) on a copy of its seed corpus, so the
# corpus in the repository stays as it is. Inputs may grow to FUZZ_MAX_LEN
# bytes (or the largest seed, when that is larger). FUZZ_KEEP names a folder
# that gets each target's grown corpus.
# Fails when a target crashes, leaks, runs out of memory or finds a mismatch.
#
# Run by hand it takes its time (10 minutes per target); the test script
# asks for a short run.
#
#   scripts/run-fuzzers.sh                       # 10 minutes per target
#   FUZZ_SECONDS=20 scripts/run-fuzzers.sh       # a short run
#   FUZZ_RUNS=1000000 scripts/run-fuzzers.sh     # a million runs per target
#   FUZZ_ONLY=project_file scripts/run-fuzzers.sh  # one target (its corpus name)
#   JOBS=2 scripts/run-fuzzers.sh                # limit build parallelism
set -euo pipefail

cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" clang libclang-rt-14-dev
seconds="${FUZZ_SECONDS:-600}"
max_len="${FUZZ_MAX_LEN:-65536}"
runs="${FUZZ_RUNS:-}"
if [[ -n "$runs" ]]; then
    limit=(-runs="$runs")
    what="$runs runs"
else
    limit=(-max_total_time="$seconds")
    what="${seconds}s"
fi

cmake --preset fuzz >&2
cmake --build --preset fuzz ${JOBS:+-j "$JOBS"} >&2

bin=build/fuzz/bin
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

status=0
for corpus in fuzz/corpus/*/; do
    name="$(basename "$corpus")"
    [[ -z "${FUZZ_ONLY:-}" || "$name" == "$FUZZ_ONLY" ]] || continue
    target="$bin/${name}_fuzz"
    if [[ ! -x "$target" ]]; then
        echo "no fuzz target for corpus $name" >&2
        status=1
        continue
    fi
    mkdir -p "$work/$name/corpus" "$work/$name/artifacts"
    cp -R "$corpus". "$work/$name/corpus/"
    largest="$(find "$corpus" -type f -printf '%s\n' | sort -n | tail -n 1)"
    len=$(( ${largest:-0} > max_len ? ${largest:-0} : max_len ))
    echo "=== $name: $what, inputs up to $len bytes"
    seeds="$(find "$work/$name/corpus" -type f | wc -l)"
    if ! "$target" "$work/$name/corpus" \
        "${limit[@]}" -max_len="$len" -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$work/$name/artifacts/" 2>"$work/$name/log"; then
        tail -n 60 "$work/$name/log" >&2
        mkdir -p build/fuzz/findings
        cp -R "$work/$name/artifacts/." build/fuzz/findings/ 2>/dev/null || true
        echo "=== $name FAILED; inputs kept in build/fuzz/findings" >&2
        status=1
    else
        grep -E "^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)" "$work/$name/log" || true
        # Coverage at the start and at the end of the run.
        grep -E "^#[0-9]+[[:space:]]+(INITED|DONE)" "$work/$name/log" | sed -E 's/ (exec\/s|rss):.*//' || true
        echo "corpus: $seeds seeds, $(find "$work/$name/corpus" -type f | wc -l) entries after the run"
    fi
    if [[ -n "${FUZZ_KEEP:-}" ]]; then
        mkdir -p "$FUZZ_KEEP/$name"
        cp -R "$work/$name/corpus/." "$FUZZ_KEEP/$name/"
    fi
done
exit "$status"
