#!/usr/bin/env bash
# Builds and runs every test: the unit and command-line tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, the formatter check, and a
# short run of each fuzz target over its corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

echo "== Format"
if ! git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror; then
    echo "Formatting differs from .clang-format (run: git ls-files '*.cpp' '*.h' | xargs clang-format -i)" >&2
    exit 1
fi

echo "== Unit and command-line tests"
cmake --preset test >/dev/null
cmake --build --preset test
ctest --preset test

echo "== Fuzz targets"
FUZZ_SECONDS="${FUZZ_SECONDS:-15}" scripts/run-fuzzers.sh

echo "== Debian package"
scripts/check-package.sh
