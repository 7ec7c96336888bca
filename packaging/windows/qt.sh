#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own qt6-base source, once, and
# prints the folder it is installed in:
#   bash tools/windows/qt.sh CACHE
# The source is the same version as the build machine's Qt, whose moc, rcc and
# uic serve as the host tools (tools/qtsource.sh fetches it). The installed Qt
# is kept in CACHE, in a folder named by its version and marked with a hash of
# this recipe, so a new version or a changed recipe builds anew and an
# unchanged one is reused; a build cut short goes on where it stopped. The
# cache's path may hold spaces. Only what the game and its tests use is built:
# Core, Gui, Widgets, Test, the windows platform plugin, the style plugin and
# the ico image plugin, with Qt's bundled zlib, libpng, pcre2, FreeType and
# HarfBuzz.
set -euo pipefail

cache=$(mkdir -p "$1" && cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
upstream=${version%%+*}
# The mark covers Debian's revision too: a new revision of the same Qt
# version carries other patches and is built anew.
recipe=$( (cat "$here/qt.sh" "$here/mingw-w64-x86_64.cmake"; echo "$version") | sha256sum | cut -c1-16)
prefix=$cache/qt-$upstream-mingw
if [ "$(cat "$prefix/.recipe" 2>/dev/null)" = "$recipe" ]; then
    echo "$prefix"
    exit 0
fi
log=$cache/qt-build.log
echo "qt: building Qt $upstream for Windows into $prefix (log: $log)" >&2

dsc=$(bash "$here/../qtsource.sh" "$cache")
# shellcheck source=../qtwork.sh
source "$here/../qtwork.sh"
work=$cache/work
# unpack_and_configure: Qt's source unpacked into the work folder and
# configured for Windows.
unpack_and_configure() {
    rm -rf "$work" && mkdir -p "$work"
    dpkg-source -q -x "$dsc" "$work/qtbase" >>"$log" 2>&1 || { tail -n 20 "$log" >&2; exit 1; }
    # Debian leaves out the Wintab headers that Qt bundles; Wine's (LGPL 2.1)
    # serve, with the few macros of Wine's own headers they use.
    wintab=$work/qtbase/src/3rdparty/wintab
    mkdir -p "$wintab/wine"
    cp /usr/include/wine/wine/windows/pktdef.h "$wintab/"
    cp /usr/include/wine/wine/windows/wintab.h "$wintab/wine/"
    cat >"$wintab/wintab.h" <<'EOF'
/* Wine's Wintab header, with the Wine macros it names its A/W variants by
   and the calling convention that the original header calls API. */
#include <windows.h>
#define WINELIB_NAME_AW(name) name##W
#define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;
#define API WINAPI
#include "wine/wintab.h"
EOF

    # The toolchain file stays beside the Qt built with it: the game's build
    # chain-loads it from there.
    rm -rf "$prefix" && mkdir -p "$prefix"
    cp "$here/mingw-w64-x86_64.cmake" "$prefix/"
    # Host tools: the build machine's Qt of the same version.
    host_cmake=$(dirname "$(dirname "$(dpkg -L qt6-base-dev | grep -m1 '/cmake/Qt6/Qt6Config.cmake$')")")
    # What the game does not use stays out: the network, SQL, XML, D-Bus, printing,
    # OpenGL (-DINPUT_opengl=no also ends Qt's dynamic OpenGL) and Vulkan, and the
    # Direct2D platform plugin (Direct2D 1.1); the fonts still draw through DirectWrite.
    # No software bill of materials (Qt 6.8 makes one by default): it would want the
    # attribution file of the Wintab folder that Debian's source leaves out. No
    # built-in MIME database either: the game never asks it, and its gzip header
    # carries the time Qt was configured, so no two builds of Qt6Core.dll matched.
    # A unity build compiles a few sources per step: about half the steps and CPU
    # time of one file at a time, which counts on a fresh CI machine.
    nice -n 10 cmake -S "$work/qtbase" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" \
        -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF -DQT_GENERATE_SBOM=OFF -DQT_UNITY_BUILD=ON \
        -DCMAKE_PROJECT_INCLUDE="$(qt_prefix_map "$work")" \
        -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF \
        -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF -DFEATURE_mimetype_database=OFF \
        -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_direct2d1_1=OFF \
        -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
        -DFEATURE_freetype=ON -DFEATURE_harfbuzz=ON \
        >>"$log" 2>&1 || { tail -n 40 "$log" >&2; exit 1; }
}
# A build that was cut short goes on where it stopped.
if qt_work_resumable "$work" "$recipe"; then
    echo "qt: going on with the build in $work" >&2
else
    unpack_and_configure
    qt_work_configured "$work" "$recipe"
fi
nice -n 10 cmake --build "$work/build" --parallel 2 >>"$log" 2>&1 || { tail -n 40 "$log" >&2; exit 1; }
cmake --install "$work/build" >>"$log" 2>&1 || { tail -n 40 "$log" >&2; exit 1; }
# Qt's licence texts go into the game's zip, with Debian's copyright file
# (which names what Qt bundles) and where the source came from.
cp -r "$work/qtbase/LICENSES" "$prefix/LICENSES"
cp "$work/qtbase/debian/copyright" "$prefix/LICENSES/debian-copyright"
cp "$dsc" "$prefix/"
rm -rf "$work"
echo "$recipe" >"$prefix/.recipe"
echo "$prefix"
