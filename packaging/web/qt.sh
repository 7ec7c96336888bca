#!/usr/bin/env bash
# Builds Qt for WebAssembly from Debian's own qt6-base source with Debian's
# emscripten, once, and prints the folder it is installed in:
#   bash packaging/web/qt.sh CACHE
# (../qt/recipe.sh says how it is kept.) Only what the game uses is built:
# Core, Gui and Widgets, static and single-threaded, with the wasm platform
# plugin, and Qt's bundled zlib, libpng, pcre2, FreeType and HarfBuzz.
# Set KESTAVINE_QT_UNITY=OFF to build it one file at a time (to compare).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
unity=${KESTAVINE_QT_UNITY:-ON}
# shellcheck source=../qt/recipe.sh
source "$here/../qt/recipe.sh"
patches=("$here/qt-wasm-without-opengl.patch" "$here/qt-wasm-accessibility.patch")
QT_RECIPE_EXTRA="unity=$unity" qt_recipe "$1" wasm "$here/qt.sh" "${patches[@]}"
# Qt's build finds emscripten through an emsdk-shaped folder, made below.
export EMSDK=$prefix/emsdk

# unpack_and_configure: Qt's source unpacked into the work folder and
# configured for WebAssembly.
unpack_and_configure() {
    qt_unpack
    # Two changes to Qt's wasm plugin: it builds without OpenGL, and a browser's
    # screen reader can follow the application (each patch says how).
    for change in "${patches[@]}"; do
        patch -d "$work/qtbase" -p1 <"$change" >>"$log" 2>&1 || qt_failed
    done

    # Qt's build and the game's look for emscripten in an emsdk-shaped folder
    # (EMSDK): a .emscripten file naming the emscripten folder inside it. Debian's
    # emscripten lives in /usr/share/emscripten, and its own configuration there
    # keeps its prebuilt system libraries frozen, so nothing is fetched.
    mkdir -p "$EMSDK/upstream"
    ln -s /usr/share/emscripten "$EMSDK/upstream/emscripten"
    echo "EMSCRIPTEN_ROOT = 'upstream/emscripten'" >"$EMSDK/.emscripten"

    # Off, as in the Windows build: the network, SQL, XML, D-Bus, printing, Qt
    # Test, the built-in MIME database (whose gzip header carries the time of the
    # build), the image formats the game does not read. Also OpenGL: the wasm
    # platform draws windows on 2D canvases (the patch lets it build without). And
    # the widgets and text formats the game never shows, so that neither the build
    # nor the page carries them.
    unused_widgets=(filedialog colordialog fontdialog inputdialog progressdialog errormessage wizard
        mdiarea calendarwidget datetimeedit fontcombobox keysequenceedit undoview columnview lcdnumber
        dial splashscreen toolbox)
    features=()
    for feature in "${unused_widgets[@]}"; do
        features+=("-DFEATURE_$feature=OFF")
    done
    nice -n 10 cmake -S "$work/qtbase" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_SHARED_LIBS=OFF \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF -DQT_GENERATE_SBOM=OFF -DQT_UNITY_BUILD="$unity" \
        -DCMAKE_PROJECT_INCLUDE="$(qt_prefix_map)" \
        -DFEATURE_thread=OFF -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF \
        -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF -DFEATURE_testlib=OFF \
        -DFEATURE_mimetype_database=OFF -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF \
        -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF \
        -DFEATURE_pdf=OFF -DFEATURE_movie=OFF -DFEATURE_textodfwriter=OFF \
        -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
        -DFEATURE_freetype=ON -DFEATURE_harfbuzz=ON "${features[@]}" \
        >>"$log" 2>&1 || qt_failed
}
qt_build
