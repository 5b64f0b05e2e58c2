#!/usr/bin/env bash
# Builds the programs and runs the main job: the data block source of the
# bundled example project, written to build/release/examples/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}"
cmake --preset release >/dev/null
cmake --build --preset release
out=build/release/examples
mkdir -p "$out"
cp examples/press-line.qv4 "$out/"
build/release/bin/rackmason-cli generate "$out/press-line.qv4" --io-db 1 --cpu-db 511 --force
build/release/bin/rackmason-cli check "$out/press-line.qv4"
