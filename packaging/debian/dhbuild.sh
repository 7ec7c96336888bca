#!/usr/bin/env bash
# Packages this commit as a distribution would, to show that it needs no
# patch and no override: the release tarball (git archive, as in the README)
# as the upstream source, a throwaway debian/ of plain debhelper (rules of
# `dh $@` alone, the cmake build system, Build-Depends from setup.sh), built
# by dpkg-buildpackage with its tests, with no display and no network. Then
# checks the package for what a distribution cares about. Needs root (to cut
# the network).
#   bash tools/setup.sh dh     (installs debhelper and the Build-Depends, then runs this)
# KESTAVINE_KEEP_DH=1 keeps the folder, build log and package for a look.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
started=$SECONDS
scratch=$(mktemp -d /var/tmp/kestavine-dh.XXXXXX)
trap '[ "${KESTAVINE_KEEP_DH:-}" = 1 ] && echo "dh: kept $scratch" || rm -rf "$scratch"' EXIT

fail() {
    echo "dh: $*" >&2
    exit 1
}
[ "$(id -u)" -eq 0 ] || fail "needs root to build without a network (unshare)"

commit=$(git -C "$top" rev-parse HEAD)
version=$(sed -n 's/^kestavine \([0-9.]*\), .*/\1/p' "$top/NEWS" | head -n 1)
source=$scratch/kestavine-$version
git -C "$top" archive --format=tar.gz --prefix="kestavine-$version/" \
    -o "$scratch/kestavine_$version.orig.tar.gz" "$commit"
tar -xzf "$scratch/kestavine_$version.orig.tar.gz" -C "$scratch"

build_depends=$(bash "$top/tools/setup.sh" build-depends | sed 's/ /, /g')
mkdir -p "$source/debian/source"
echo "3.0 (quilt)" >"$source/debian/source/format"
printf '#!/usr/bin/make -f\n%%:\n\tdh $@\n' >"$source/debian/rules"
chmod 755 "$source/debian/rules"
cp "$top/packaging/debian/copyright" "$source/debian/copyright"
cat >"$source/debian/control" <<EOF
Source: kestavine
Section: games
Priority: optional
Maintainer: Kestavine Packaging Check <kestavine@example.org>
Build-Depends: debhelper-compat (= 13), $build_depends
Standards-Version: 4.6.2
Rules-Requires-Root: no

Package: kestavine
Architecture: any
Depends: \${shlibs:Depends}, \${misc:Depends}
Recommends: qt6-translations-l10n
Description: small town-building game on a diamond of 25 lots
 Buy houses, shops, offices, roads, railway track and factories and place
 them on a 5 x 5 diamond of lots; every second the town runs a year of
 accounts by itself. The game's text is Japanese.
EOF
cat >"$source/debian/changelog" <<EOF
kestavine ($version-1) unstable; urgency=medium

  * Packaged with plain debhelper.

 -- Kestavine Packaging Check <kestavine@example.org>  $(date -R -u -d "@$(git -C "$top" log -1 --format=%ct "$commit")")
EOF

echo "== dpkg-buildpackage, no display, no network; Build-Depends: $build_depends"
(
    cd "$source"
    env -u DISPLAY -u WAYLAND_DISPLAY -u XAUTHORITY DEB_BUILD_OPTIONS="parallel=$(nproc)" \
        unshare --net dpkg-buildpackage -b -us -uc
) >"$scratch/build.log" 2>&1 || { tail -n 60 "$scratch/build.log"; fail "dpkg-buildpackage failed"; }

# The tests ran, and those that need a display were skipped, not failed.
summary=$(grep -E '^[0-9]+% tests passed, 0 tests failed out of [1-9]' "$scratch/build.log") \
    || fail "the build ran no tests"
echo "tests: $summary"
grep -E '^\s+[0-9]+ - .*\(Skipped\)$' "$scratch/build.log" || true

deb=$(ls "$scratch"/kestavine_"$version"-1_*.deb)
dpkg-deb -x "$deb" "$scratch/root"
desktop=$scratch/root/usr/share/applications/com.veldoraks.kestavine.desktop
[ "$(sed -n 's/^Exec=//p' "$desktop")" = /usr/games/kestavine ] || fail "the desktop entry does not start /usr/games/kestavine"
! readelf --wide --dynamic "$scratch/root/usr/games/kestavine" | grep -E '\((RUNPATH|RPATH)\)' \
    || fail "the program has a RUNPATH"
# Only the distribution's own changelog and copyright.
ls "$scratch/root/usr/share/doc/kestavine"
[ ! -e "$scratch/root/usr/share/doc/kestavine/changelog.gz" ] || fail "the package holds upstream's Debian changelog too"
# The throwaway changelog closes no bug, as a first upload's would.
echo "lintian $(lintian --version | awk '{ print $2 }') on $(basename "$deb"):"
lintian --fail-on error,warning --display-info --suppress-tags initial-upload-closes-no-bugs "$deb" \
    || fail "lintian found errors or warnings"
echo "dh: a plain debhelper package built and passed its tests in $((SECONDS - started)) s"
