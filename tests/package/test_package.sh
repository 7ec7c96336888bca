#!/usr/bin/env bash
# Builds the Debian package, checks what it holds and declares, unpacks it into
# a scratch root and starts the unpacked game until its main window appears.
#   test_package.sh BUILD_DIR
set -euo pipefail

build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"; [ -n "${game:-}" ] && kill "$game" 2>/dev/null || true' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null) || fail "cpack could not build the package"
deb=$(ls "$scratch"/out/kestavine_*.deb)
echo "built $(basename "$deb")"

contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/kestavine \
    ./usr/share/applications/com.veldoraks.kestavine.desktop \
    ./usr/share/metainfo/com.veldoraks.kestavine.metainfo.xml \
    ./usr/share/icons/hicolor/16x16/apps/kestavine.png \
    ./usr/share/icons/hicolor/32x32/apps/kestavine.png; do
    grep -q " $path\$" <<<"$contents" || fail "the package lacks $path"
done

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 qt6-qpa-plugins; do
    grep -q "$package" <<<"$depends" || fail "the package does not depend on $package"
done
# The game carries its own font.
! grep -q fonts- <<<"$depends" || fail "the package depends on a font package: $depends"

# Everything it depends on can be installed from the archive. A simulation
# needs no lock, so another apt-get at work does not get in the way.
if [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null; then
    apt-get install -s -o Debug::NoLocking=1 "$deb" >"$scratch/apt.log" 2>&1 || true
    grep -q '^Inst kestavine' "$scratch/apt.log" || {
        cat "$scratch/apt.log"
        fail "apt-get cannot resolve the package's dependencies"
    }
fi

dpkg -x "$deb" "$scratch/root"
grep -q '^Categories=Game;Simulation;$' "$scratch/root/usr/share/applications/com.veldoraks.kestavine.desktop" \
    || fail "the desktop entry is not in Game;Simulation"
for size in 16 32; do
    file "$scratch/root/usr/share/icons/hicolor/${size}x${size}/apps/kestavine.png" \
        | grep -q "PNG image data, $size x $size" || fail "the ${size}px icon is not a ${size}px PNG"
done

[ -n "${DISPLAY:-}" ] || fail "no display to start the game on"
QT_QPA_PLATFORM=xcb "$scratch/root/usr/bin/kestavine" >"$scratch/game.log" 2>&1 &
game=$!
for _ in $(seq 1 100); do
    if xwininfo -root -tree | grep -q '"VELDORAKS   kestavine    "'; then
        echo "the unpacked game opened its main window"
        exit 0
    fi
    kill -0 "$game" 2>/dev/null || { cat "$scratch/game.log"; fail "the unpacked game ended early"; }
    sleep 0.2
done
cat "$scratch/game.log"
fail "no main window within 20 seconds"
