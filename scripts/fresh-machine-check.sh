#!/usr/bin/env bash
# Tries the README's Quick start as a newcomer would: makes a minimal Debian 12
# root with debootstrap in FOLDER, puts an unpacked source archive of this
# checkout's last commit in it, and runs scripts/run.sh, then scripts/test.sh
# there as root, with nothing installed beforehand. Reports each command's
# exit status and time; their output is kept in FOLDER/run.log and
# FOLDER/test.log. Run by hand (as root, it takes 15 to 25 minutes), not by CI.
#
#   scripts/fresh-machine-check.sh /var/tmp/fresh
#   MIRROR=http://deb.example.org/debian scripts/fresh-machine-check.sh DIR
#
# FOLDER must not exist yet or be empty; it is left in place for a look
# afterwards (remove it with rm -rf once nothing is mounted in it).
set -euo pipefail

if [[ $# -ne 1 ]]; then
    echo "usage: $0 FOLDER" >&2
    exit 2
fi
if [[ "$(id -u)" -ne 0 ]]; then
    echo "fresh-machine-check: debootstrap and chroot need root" >&2
    exit 2
fi
command -v debootstrap >/dev/null || {
    echo "fresh-machine-check: debootstrap is not installed (apt-get install debootstrap)" >&2
    exit 2
}
src="$(cd "$(dirname "$0")/.." && pwd)"
mkdir -p "$1"
dir="$(cd "$1" && pwd)"
if [[ -n "$(ls -A "$dir")" ]]; then
    echo "fresh-machine-check: $dir is not empty" >&2
    exit 2
fi
mirror="${MIRROR:-http://deb.debian.org/debian}"
root="$dir/root"

if ! git -C "$src" diff --quiet HEAD 2>/dev/null; then
    echo "fresh-machine-check: note: uncommitted changes are not part of the archive" >&2
fi

mounted=()
cleanup() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" || true
    done
}
trap cleanup EXIT
mountIn() {
    local target="$root/$1"
    shift
    mount "$@" "$target"
    mounted+=("$target")
}

echo "== debootstrap (minbase, bookworm) from $mirror" >&2
started=$(date +%s)
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$dir/debootstrap.log" 2>&1 || {
    tail -n 30 "$dir/debootstrap.log" >&2
    exit 1
}
echo "   $(($(date +%s) - started))s" >&2

git -C "$src" archive --format=tar --prefix=rackmason/ HEAD | tar -x -C "$root/root"
cp /etc/resolv.conf "$root/etc/resolv.conf"

mountIn proc -t proc proc
mountIn sys -t sysfs sysfs
mountIn dev --bind /dev
mountIn dev/pts --bind /dev/pts
mountIn dev/shm -t tmpfs tmpfs

# A newcomer's shell: root, a plain environment, no display.
inRoot() {
    chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        /bin/bash -c "cd /root/rackmason && $1"
}

status=0
report=()
for cmd in scripts/run.sh scripts/test.sh; do
    log="$dir/$(basename "$cmd" .sh).log"
    echo "== $cmd (output in $log)" >&2
    started=$(date +%s)
    rc=0
    inRoot "$cmd" >"$log" 2>&1 || rc=$?
    took=$(($(date +%s) - started))
    line="$cmd: exit $rc, $((took / 60))m$((took % 60))s"
    echo "   $line" >&2
    report+=("$line")
    [[ $rc -eq 0 ]] || {
        status=1
        tail -n 30 "$log" >&2
    }
done

echo "Fresh Debian 12 (minbase) in $root:"
printf '  %s\n' "${report[@]}"
exit "$status"
