#!/usr/bin/env bash
# Builds the programs and starts the desktop program with the bundled example
# project (a copy in build/release/examples/, so the example stays as it is).
# Without a display it writes the example's data block source instead.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}"
cmake --preset release >/dev/null
cmake --build --preset release
out=build/release/examples
mkdir -p "$out"
cp examples/press-line.qv4 "$out/"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/release/bin/rackmason "$out/press-line.qv4"
fi
echo "No display: writing the example's data block source with the command-line tool."
build/release/bin/rackmason-cli generate "$out/press-line.qv4" --io-db 1 --cpu-db 511 --force
build/release/bin/rackmason-cli check "$out/press-line.qv4"
