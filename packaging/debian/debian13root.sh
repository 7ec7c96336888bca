#!/usr/bin/env bash
# A Debian 13 (trixie) root, made once with debootstrap and kept in the cache,
# for the work this machine's own release cannot do: the test command on
# Debian 13, and the builds that want Qt 6.8 as their host Qt. Needs root.
#   bash packaging/debian/debian13root.sh make                   make the root, or bring it up to date
#   bash packaging/debian/debian13root.sh run [-C DIR] COMMAND   run COMMAND in it, in DIR (default: here)
#   bash packaging/debian/debian13root.sh path                   print where the root is
# The root is CACHE/debian13/root, where CACHE is $KESTAVINE_CACHE, else
# ~/.cache/kestavine. COMMAND runs as root with a clean environment (HOME=/root,
# the host's LANG where the root has that locale and it is UTF-8, else C.UTF-8,
# and the build's own variables passed on) and
# sees this repository and CACHE/debian13/cache (its KESTAVINE_CACHE) at the
# same paths as here, so that what it builds lands where a build on this
# machine would. It runs in mount and process namespaces of its own: whatever
# it mounts or leaves running ends with it, and nothing is mounted here.
set -euo pipefail

release=trixie
# Raise it when the root should be made anew.
generation=1
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cache=${KESTAVINE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kestavine}
home=$cache/debian13
root=$home/root

fail() {
    echo "debian13root: $*" >&2
    exit 1
}

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

# run_in DIR COMMAND...: COMMAND in the root, in DIR, in namespaces of its own.
# A private /tmp per run, so that runs side by side never meet there.
run_in() {
    local dir=$1
    shift
    local scratch
    scratch=$(mktemp -d "$home/tmp.XXXXXX")
    chmod 1777 "$scratch"
    local environment=(HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
        "LANG=${LANG:-C.UTF-8}" "CI=${CI:-}" DEBIAN_FRONTEND=noninteractive
        "KESTAVINE_CACHE=$home/cache")
    local name
    for name in CMAKE_BUILD_PARALLEL_LEVEL SOURCE_DATE_EPOCH LOCPATH; do
        [ -z "${!name+set}" ] || environment+=("$name=${!name}")
    done
    local status=0
    unshare --mount --pid --fork --propagation private -- bash -euc '
        root=$1 top=$2 cache=$3 scratch=$4 dir=$5
        shift 5
        mount -t proc -o nosuid,nodev,noexec proc "$root/proc"
        mount -t sysfs -o ro,nosuid,nodev,noexec sysfs "$root/sys"
        mount -t devpts -o newinstance,ptmxmode=0666,mode=0620,gid=5 devpts "$root/dev/pts"
        mount -t tmpfs -o mode=1777,nosuid,nodev tmpfs "$root/dev/shm"
        mount -t tmpfs -o mode=0755,nosuid,nodev tmpfs "$root/run"
        mount --bind "$scratch" "$root/tmp"
        for shared in "$top" "$cache"; do
            mkdir -p "$root$shared"
            mount --bind "$shared" "$root$shared"
        done
        exec chroot "$root" /usr/bin/env -i "$@"
    ' run "$root" "$top" "$home/cache" "$scratch" "$dir" \
        "${environment[@]}" bash -c '
            # A locale the root lacks (or LANG=C) would leave it ASCII, and a
            # folder with other characters unnamed: makensis stops on it.
            [ "$(locale charmap 2>/dev/null)" = UTF-8 ] || export LANG=C.UTF-8
            cd "$0" && exec "$@"' "$dir" "$@" || status=$?
    rm -rf --one-file-system "$scratch"
    return "$status"
}

make_root() {
    mkdir -p "$home/cache"
    if [ "$(cat "$root/.generation" 2>/dev/null)" != "$generation" ]; then
        local mirror fresh=$home/root.new log=$home/debootstrap.log
        mirror=$(host_mirror | head -n 1)
        [ -n "$mirror" ] || fail "found no Debian archive in /etc/apt/sources.list*"
        command -v debootstrap >/dev/null || fail "debootstrap is missing (apt-get install debootstrap)"
        echo "== debootstrap $release from the mirror this machine uses, into $root"
        # Made aside and moved into place, so that an interrupted run leaves
        # no half-made root behind.
        rm -rf --one-file-system "$fresh" "$root"
        debootstrap --variant=minbase "$release" "$fresh" "$mirror" >"$log" 2>&1 || {
            tail -n 30 "$log" >&2
            fail "debootstrap failed (log: $log)"
        }
        # Readable by all, so that apt in the root can download as its own user.
        chmod 755 "$fresh"
        chmod 1777 "$fresh/tmp"
        # Nothing installed in the root starts a service.
        printf '#!/bin/sh\nexit 101\n' >"$fresh/usr/sbin/policy-rc.d"
        chmod 755 "$fresh/usr/sbin/policy-rc.d"
        echo "$generation" >"$fresh/.generation"
        mv "$fresh" "$root"
    fi
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    # A root kept from an earlier run follows the archive, so that the source
    # of its Qt can still be fetched.
    run_in / bash -c 'apt-get -qq update && apt-get -qq -y dist-upgrade >/dev/null'
}

[ "$(id -u)" -eq 0 ] || fail "needs root, for debootstrap, mount and chroot"
case "${1:-}" in
make)
    make_root
    ;;
run)
    shift
    dir=$PWD
    if [ "${1:-}" = -C ]; then
        dir=$2
        shift 2
    fi
    [ $# -gt 0 ] || fail "run wants a command"
    [ -f "$root/.generation" ] || fail "no root yet at $root: run bash packaging/debian/debian13root.sh make"
    run_in "$dir" "$@"
    ;;
path)
    echo "$root"
    ;;
*)
    echo "usage: bash packaging/debian/debian13root.sh make | run [-C DIR] COMMAND... | path" >&2
    exit 2
    ;;
esac
