#!/usr/bin/env bash
# Rebuilds every example project from its bill of material: the project file,
# its JSON export and its data block source. Run after changing a bill or the
# catalog; the outputs are kept in the repository.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cli="${1:-$here/../build/release/bin/rackmason-cli}"
[ -x "$cli" ] || { echo "make-examples: $cli not found; build first (scripts/run.sh)" >&2; exit 2; }
cd "$here"
for bom in *.bom.json; do
    name="${bom%.bom.json}"
    "$cli" build "$bom" -o "$name.qv4"
    "$cli" export "$name.qv4" -o "$name.json"
    # Shipped files name the project by its bare file name, not by the path
    # of the machine that built them.
    sed -i "s|^    \"ProjektPfad\": \".*\",\$|    \"ProjektPfad\": \"$name.qv4\",|" "$name.json"
    grep -q "^    \"ProjektPfad\": \"$name.qv4\",\$" "$name.json" || { echo "make-examples: no ProjektPfad in $name.json" >&2; exit 1; }
    "$cli" import "$name.json" -o "$name.qv4"
    "$cli" generate "$name.qv4" --io-db 1 --cpu-db 511 --force -o "$name.awl" >/dev/null
    echo "examples/$name: project, JSON and source written"
done
