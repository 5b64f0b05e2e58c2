#!/usr/bin/env bash
# Builds and lints the Debian package, then checks it without installing it:
# its file list, its dependencies, and the programs extracted into a throwaway
# root and run from another folder on the example projects, finding their data
# in the installed place and writing nothing under the root's usr/.
set -euo pipefail
cd "$(dirname "$0")/.."
deb="$(scripts/make-package.sh)"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() {
    echo "check-package: $*" >&2
    exit 1
}

dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' >"$work/contents"
for f in /usr/bin/rackmason /usr/bin/rackmason-cli \
    /usr/share/rackmason/resource/Katalog.ini /usr/share/rackmason/resource/NURA_E.txt \
    /usr/share/rackmason/resource/NURA_G.txt /usr/share/rackmason/resource/NURA_O.txt \
    /usr/share/rackmason/resource/help/index.html \
    /usr/share/man/man1/rackmason.1.gz /usr/share/man/man1/rackmason-cli.1.gz \
    /usr/share/bash-completion/completions/rackmason-cli \
    /usr/share/metainfo/org.rackmason.RackMason.metainfo.xml \
    /usr/share/applications/rackmason.desktop /usr/share/mime/packages/rackmason.xml \
    /usr/share/icons/hicolor/scalable/apps/rackmason.svg \
    /usr/share/doc/rackmason/copyright /usr/share/doc/rackmason/changelog.Debian.gz \
    /usr/share/doc/rackmason/examples/press-line.qv4; do
    grep -qxF "$f" "$work/contents" || fail "$f is not in the package"
done
if grep -v '^/usr/' "$work/contents" | grep -qvx '/'; then fail "files outside /usr"; fi

depends="$(dpkg-deb -f "$deb" Depends)"
for lib in libc6 libstdc++6 libqt6widgets6 fonts-dejavu-core; do
    [[ "$depends" == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
version="$(dpkg-deb -f "$deb" Version)"
shown="$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/rackmason" --version)"
[[ "$shown" == *" ${version%-*}" ]] || fail "rackmason --version says '$shown', the package is $version"

snapshot() { (cd "$root" && find . -printf '%p %s %T@ %m\n' | sort); }
snapshot >"$work/before"

# From a folder of its own, as a user with a fresh home. A project stores its
# own path, so the rebuilt examples are compared by their generated sources.
run="$work/run"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
mkdir -p "$run" "$HOME"
cp "$root"/usr/share/doc/rackmason/examples/*.bom.json "$run/"
cd "$run"
cli="$root/usr/bin/rackmason-cli"
"$cli" --help | grep -qF "$root/usr/share/rackmason/resource" || fail "rackmason-cli does not default to the installed data"
for bom in *.bom.json; do
    name="${bom%.bom.json}"
    "$cli" build "$bom" -o "$name.qv4"
    "$cli" generate "$name.qv4" --io-db 1 --cpu-db 511 >/dev/null
    cmp "$name.awl" "$root/usr/share/doc/rackmason/examples/$name.awl"
    "$cli" check "$name.qv4" >/dev/null
done
"$cli" catalog --language de | grep -q . || fail "empty catalog"

# The desktop program opens a project (which records it as a recent file) and
# keeps running; with a data file missing it would have stopped at a message
# box before opening the project.
recent="$XDG_DATA_HOME/RackMason/RackMason/nura.ini"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" "$root/usr/bin/rackmason" --splash-ms 0 press-line.qv4 \
    2>"$work/gui.log" &
gui=$!
for _ in $(seq 60); do
    [ -f "$recent" ] || ! kill -0 "$gui" 2>/dev/null && break
    sleep 0.5
done
kill "$gui" 2>/dev/null || { cat "$work/gui.log" >&2; fail "rackmason ended by itself"; }
wait "$gui" || true
grep -q press-line.qv4 "$recent" || fail "no per-user recent-file list"

cd - >/dev/null
snapshot >"$work/after"
diff "$work/before" "$work/after" >&2 || fail "the programs changed files under the package root"
echo "Package checked: $(basename "$deb")"
