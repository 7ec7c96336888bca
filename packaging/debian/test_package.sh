#!/usr/bin/env bash
# Builds the Debian package, checks what it holds and declares, lints it as
# Debian would, checks the packaged binary is stripped and hardened, unpacks
# it into a scratch root and starts the game there by its desktop entry's
# command until its main window appears.
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

# Every file carries the source's date: SOURCE_DATE_EPOCH where the packer
# sets it, else the last commit's time, as two packers of one commit give them.
source=$(cd "$(dirname "$0")/../.." && pwd)
epoch=${SOURCE_DATE_EPOCH:-$(git -c safe.directory="$source" -C "$source" log -1 --format=%ct 2>/dev/null || head -n 1 "$source/cmake/source-date-epoch")}
dates=$(dpkg-deb --fsys-tarfile "$deb" | tar -tv --full-time --utc | awk '{ print $4 " " $5 }' | sort -u)
[ "$dates" = "$(date -u -d "@$epoch" '+%F %T')" ] || fail "the package's files are dated $dates, not as the source ($epoch)"

contents=$(dpkg-deb -c "$deb")
for path in ./usr/games/kestavine \
    ./usr/share/applications/com.veldoraks.kestavine.desktop \
    ./usr/share/metainfo/com.veldoraks.kestavine.metainfo.xml \
    ./usr/share/icons/hicolor/16x16/apps/kestavine.png \
    ./usr/share/icons/hicolor/32x32/apps/kestavine.png \
    ./usr/share/doc/kestavine/copyright \
    ./usr/share/doc/kestavine/changelog.gz \
    ./usr/share/man/man6/kestavine.6.gz; do
    grep -q " $path\$" <<<"$contents" || fail "the package lacks $path"
done

depends=$(dpkg-deb -f "$deb" Depends)
grep -q libqt6widgets6 <<<"$depends" || fail "the package does not depend on libqt6widgets6"
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

# Debian's own checks: no error and no warning; informational tags are shown.
lintian --fail-on error,warning --display-info --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1 \
    || { cat "$scratch/lintian.log"; fail "lintian found errors or warnings"; }
echo "lintian $(lintian --version | awk '{ print $2 }'): no error, no warning"
sed 's/^/  /' "$scratch/lintian.log"

dpkg -x "$deb" "$scratch/root"
desktop=$scratch/root/usr/share/applications/com.veldoraks.kestavine.desktop
grep -q '^Categories=Game;Simulation;$' "$desktop" || fail "the desktop entry is not in Game;Simulation"
exec_command=$(sed -n 's/^Exec=//p' "$desktop")
[ "$exec_command" = /usr/games/kestavine ] || fail "the desktop entry starts \"$exec_command\", not /usr/games/kestavine"
for size in 16 32; do
    file "$scratch/root/usr/share/icons/hicolor/${size}x${size}/apps/kestavine.png" \
        | grep -q "PNG image data, $size x $size" || fail "the ${size}px icon is not a ${size}px PNG"
done
appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/com.veldoraks.kestavine.metainfo.xml" \
    >"$scratch/appstream.log" 2>&1 && ! grep -q '^[EW]:' "$scratch/appstream.log" \
    || { cat "$scratch/appstream.log"; fail "the metainfo does not validate cleanly"; }
for file in doc/kestavine/changelog.gz man/man6/kestavine.6.gz; do
    gzip -t "$scratch/root/usr/share/$file" || fail "$file is not gzip data"
done

# Stripped and hardened as Debian builds its binaries, read from the ELF file:
# each row is what is checked, a readelf option, and what its output must hold.
# (grep reads all the output: a reader that quits early would fail the pipe.)
binary=$scratch/root$exec_command
while IFS='|' read -r what option pattern; do
    readelf --wide "$option" "$binary" | grep -E "$pattern" >/dev/null || fail "the packaged game is not $what"
done <<'EOF'
position-independent (PIE)|--dynamic|\(FLAGS_1\).*\bPIE\b
fully read-only after relocation (RELRO)|--program-headers|\bGNU_RELRO\b
bound at start-up (-z now)|--dynamic|\(FLAGS\).*\bBIND_NOW\b
built with a stack protector|--dyn-syms|\b__stack_chk_fail\b
EOF
# _FORTIFY_SOURCE leaves a mark (a __*_chk call) only where the compiler knew
# a buffer's size; where the game makes no such call, the compile commands
# that built it must show the macro and the optimiser it needs.
if ! readelf --wide --dyn-syms "$binary" | grep -E '\b__[a-z_]+_chk\b.*GLIBC' >/dev/null; then
    commands=$(grep '"command":' "$build/compile_commands.json") || fail "no compile commands in $build"
    if grep -v -e '-D_FORTIFY_SOURCE=2 ' <<<"$commands" || grep -Ev ' -O[1-3s] ' <<<"$commands"; then
        fail "these compile commands are not fortified"
    fi
fi
if readelf --wide --section-headers "$binary" | grep -E '\.(symtab|debug_[a-z]+) ' >/dev/null; then
    fail "the packaged game is not stripped"
fi
! readelf --wide --dynamic "$binary" | grep -E '\((RUNPATH|RPATH)\)' || fail "the packaged game has a RUNPATH"
echo "the packaged game is stripped, PIE, full RELRO, stack-protected and fortified, without RUNPATH"

# A plain install (a distribution's) leaves the Debian-format documents to the
# distribution, and its desktop entry starts the program under its own prefix,
# quoted where the prefix needs it: the value's own escapes undone, the quoted
# command splits as a shell's double quotes would.
plain="$scratch/plain \$HOME"
cmake --install "$build" --prefix "$plain" >/dev/null
[ ! -e "$plain/share/doc/kestavine/changelog.gz" ] || fail "cmake --install installs the Debian changelog"
plain_exec=$(sed -n 's/^Exec=//p' "$plain/share/applications/com.veldoraks.kestavine.desktop")
eval "set -- $(sed 's/\\\\/\\/g' <<<"$plain_exec")"
[ $# -eq 1 ] && [ "$1" = "$plain/games/kestavine" ] || fail "under another prefix the desktop entry starts $plain_exec"

# CTest reports 77 as skipped: all but the start has been checked.
[ -n "${DISPLAY:-}" ] || { echo "SKIP: no display to start the game on"; exit 77; }
QT_QPA_PLATFORM=xcb "$binary" >"$scratch/game.log" 2>&1 &
game=$!
for _ in $(seq 1 100); do
    if window=$(xwininfo -root -tree | grep '"VELDORAKS   kestavine    "'); then
        echo "the unpacked game opened its main window"
        # A dock ties the window to the desktop entry by the window's class.
        window_class=$(xprop -id "$(awk '{ print $1 }' <<<"$window")" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
        entry_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
        [ "$window_class" = "$entry_class" ] \
            || fail "the window's class \"$window_class\" is not the desktop entry's \"$entry_class\""
        # The platform plugin it draws with, which Qt loads at run time, comes
        # with a package it depends on. (Qt tries every picture-format plugin
        # installed, needed or not, so those are left out.)
        plugin=$(grep -o '/[^ ]*/qt6/plugins/platforms/[^ ]*\.so' "/proc/$game/maps" | head -n 1) \
            || fail "found no platform plugin in the game's memory"
        package=$(dpkg -S "$plugin" | cut -d: -f1)
        grep -qw "$package" <<<"$depends" || fail "the game draws with $plugin from $package, which Depends lacks: $depends"
        exit 0
    fi
    kill -0 "$game" 2>/dev/null || { cat "$scratch/game.log"; fail "the unpacked game ended early"; }
    sleep 0.2
done
cat "$scratch/game.log"
fail "no main window within 20 seconds"
