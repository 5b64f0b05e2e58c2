#!/usr/bin/env bash
# Mutation testing of the core: plants one small fault at a time, rebuilds
# (build/mutate, without sanitizers and without the desktop program), runs the
# core and command-line tests and reports which faults they catch. See
# scripts/mutate.py --help for the options.
#
#   scripts/mutate.sh --changed main --budget 900
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" libgtest-dev libgmock-dev python3
exec python3 scripts/mutate.py "$@"
