#!/usr/bin/env bash
# Builds and runs every test: the unit and command-line tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, the formatter check, and a
# short run of each fuzz target over its corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

echo "== Format"
# The sources are found by name, not asked of git, so the check also runs in
# an unpacked source archive.
format_dirs=(src tests fuzz bench)
mapfile -d '' sources < <(find "${format_dirs[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
if [ ${#sources[@]} -eq 0 ]; then
    echo "The formatter check found no sources under ${format_dirs[*]}" >&2
    exit 1
fi
format_log="$(mktemp)"
trap 'rm -f "$format_log"' EXIT
if ! clang-format --dry-run --Werror "${sources[@]}" >"$format_log" 2>&1; then
    cat "$format_log" >&2
    # A differing file is reported as a clang-format-violations diagnostic;
    # anything else means the tool itself failed (missing, bad .clang-format).
    if grep -q 'clang-format-violations' "$format_log"; then
        echo "Formatting differs from .clang-format (run: find ${format_dirs[*]} -name '*.cpp' -o -name '*.h' | xargs clang-format -i)" >&2
    else
        echo "clang-format failed to run; the formatting was not checked" >&2
    fi
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
