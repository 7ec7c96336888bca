#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own qt6-base source, once, and
# prints the folder it is installed in:
#   bash packaging/windows/qt.sh CACHE
# (../qt/recipe.sh says how it is kept.) Only what the game and its tests use
# is built: Core, Gui, Widgets, Test, the windows platform plugin, the style
# plugin and the ico image plugin, with Qt's bundled zlib, libpng, pcre2,
# FreeType and HarfBuzz.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=../qt/recipe.sh
source "$here/../qt/recipe.sh"
qt_recipe "$1" mingw "$here/qt.sh" "$here/mingw-w64-x86_64.cmake"

# unpack_and_configure: Qt's source unpacked into the work folder and
# configured for Windows.
unpack_and_configure() {
    qt_unpack
    # Debian leaves out the Wintab headers that Qt bundles; Wine's (LGPL 2.1)
    # serve, with the few macros of Wine's own headers they use.
    wintab=$work/qtbase/src/3rdparty/wintab
    mkdir -p "$wintab/wine"
    cp /usr/include/wine/wine/windows/pktdef.h "$wintab/"
    cp /usr/include/wine/wine/windows/wintab.h "$wintab/wine/"
    cat >"$wintab/wintab.h" <<'WINTAB'
/* Wine's Wintab header, with the Wine macros it names its A/W variants by
   and the calling convention that the original header calls API. */
#include <windows.h>
#define WINELIB_NAME_AW(name) name##W
#define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;
#define API WINAPI
#include "wine/wintab.h"
WINTAB

    # The toolchain file stays beside the Qt built with it: the game's build
    # chain-loads it from there.
    cp "$here/mingw-w64-x86_64.cmake" "$prefix/"
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
        -DCMAKE_PROJECT_INCLUDE="$(qt_prefix_map)" \
        -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF \
        -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF -DFEATURE_mimetype_database=OFF \
        -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_direct2d1_1=OFF \
        -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
        -DFEATURE_freetype=ON -DFEATURE_harfbuzz=ON \
        >>"$log" 2>&1 || qt_failed
}
qt_build
