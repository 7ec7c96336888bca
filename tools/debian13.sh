#!/usr/bin/env bash
# Checks the game on Debian 13 (trixie): builds a minimal root with
# debootstrap, clones this repository into it and runs the test command
# there, whose package test runs that release's lintian. Needs root.
#   bash tools/setup.sh debian13     (installs debootstrap, then runs this)
# KESTAVINE_KEEP_ROOT=1 keeps the root for a look afterwards; the mounts and
# the processes in it go in any case.
set -euo pipefail

release=trixie
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
started=$SECONDS

fail() {
    echo "debian13: $*" >&2
    exit 1
}
[ "$(id -u)" -eq 0 ] || fail "needs root for debootstrap, mount and chroot"
command -v debootstrap >/dev/null || fail "debootstrap is missing: run bash tools/setup.sh debian13"

# The Debian archive that apt on this machine uses: the first source of the
# machine's own release, from either the one-line or the deb822 format.
host_mirror() {
    local codename list
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$list" ] || continue
        awk -v suite="$codename" '
            $1 == "deb" {
                i = 2
                if ($i ~ /^\[/) { while ($i !~ /\]$/) i++; i++ }
                if ($(i + 1) == suite) { print $i; exit }
            }' "$list"
    done
    for list in /etc/apt/sources.list.d/*.sources; do
        [ -f "$list" ] || continue
        awk -v suite="$codename" '
            BEGIN { RS = ""; FS = "\n" }
            {
                delete field
                for (i = 1; i <= NF; i++) {
                    if ($i ~ /^#/ || !match($i, /^[A-Za-z-]+:/)) continue
                    value = substr($i, RLENGTH + 1)
                    gsub(/^[ \t]+|[ \t]+$/, "", value)
                    field[tolower(substr($i, 1, RLENGTH - 1))] = value
                }
                if (field["enabled"] == "no" || (" " field["types"] " ") !~ / deb /) next
                if ((" " field["suites"] " ") !~ (" " suite " ")) next
                split(field["uris"], uris, " ")
                print uris[1]
                exit
            }' "$list"
    done
}
mirror=$(host_mirror | head -n 1)
[ -n "$mirror" ] || fail "found no Debian archive in /etc/apt/sources.list*"

root=$(mktemp -d /var/tmp/kestavine-debian13.XXXXXX)
# Readable by all, so that apt in the root can download as its own user.
chmod 755 "$root"
log=$(mktemp)
# Whatever happens, end what still runs inside the root, unmount everything
# below it (debootstrap's own mounts too), and remove it; a root that cannot be
# unmounted is left alone rather than emptied through a mount.
mounts_below_root() { awk -v root="$root/" 'index($2, root) == 1 { print $2 }' /proc/self/mounts | sort -r; }
signal_root() {
    local pid
    for pid in /proc/[0-9]*; do
        if [ "$(readlink "$pid/root" 2>/dev/null)" = "$root" ]; then
            kill "-$1" "${pid#/proc/}" 2>/dev/null
        fi
    done
}
cleanup() {
    local status=$? mount
    set +e
    trap - EXIT INT TERM
    signal_root TERM
    sleep 1
    signal_root KILL
    for mount in $(mounts_below_root); do
        umount "$mount" 2>/dev/null || umount -l "$mount"
    done
    rm -f "$log"
    if [ -n "$(mounts_below_root)" ]; then
        echo "debian13: $root is still mounted; left in place" >&2
        status=1
    elif [ "${KESTAVINE_KEEP_ROOT:-}" = 1 ]; then
        echo "debian13: kept $root"
    else
        rm -rf --one-file-system "$root"
    fi
    echo "debian13: took $((SECONDS - started)) s"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

attach() { # attach TYPE DIR OPTIONS
    mkdir -p "$root/$2"
    mount -t "$1" -o "$3" "$1" "$root/$2"
}

echo "== debootstrap $release from the mirror this machine uses"
debootstrap --variant=minbase "$release" "$root" "$mirror" >"$log" 2>&1 || {
    tail -n 30 "$log"
    fail "debootstrap failed"
}
cp /etc/resolv.conf "$root/etc/resolv.conf"
# Nothing installed in the root starts a service.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"

# The suite's virtual X server and the game want /proc, shared memory and a
# writable /tmp; debootstrap made the device nodes.
attach proc proc nosuid,nodev,noexec
attach sysfs sys ro,nosuid,nodev,noexec
attach devpts dev/pts newinstance,ptmxmode=0666,mode=0620,gid=5
attach tmpfs dev/shm mode=1777,nosuid,nodev
attach tmpfs run mode=0755,nosuid,nodev
chmod 1777 "$root/tmp"

git clone -q "$top" "$root/src/kestavine"

echo "== the test command on Debian 13"
# A clean environment: no display, so the suite starts its own X server.
chroot "$root" /usr/bin/env -i \
    HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 CI="${CI:-}" DEBIAN_FRONTEND=noninteractive \
    bash -c '
        set -euo pipefail
        cd /src/kestavine
        bash tools/setup.sh test
        echo "== $(lintian --version) checked the package"
    '
echo "debian13: passed"
