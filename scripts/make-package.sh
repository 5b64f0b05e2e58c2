#!/usr/bin/env bash
# Builds the Debian package of both programs in build/release/package/ and
# checks it with lintian and the AppStream validator. Prints the package path
# last.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
cmake --preset release >/dev/null
cmake --build --preset release --target package >&2
deb="$(ls -t build/release/package/rackmason_*.deb | head -n 1)"
appstreamcli validate --no-net build/release/dist/org.rackmason.RackMason.metainfo.xml >&2
# Tags that cannot apply to this package are listed with the reason in the README.
lintian --fail-on error,warning --suppress-tags initial-upload-closes-no-bugs "$deb" >&2
echo "$deb"
