#!/usr/bin/env bash
# Builds Qt for WebAssembly from Debian's own qt6-base source with Debian's
# emscripten, once, and prints the folder it is installed in:
#   bash tools/web/qt.sh CACHE
# The source is the same version as the build machine's Qt, whose moc, rcc and
# uic serve as the host tools (tools/qtsource.sh fetches it, for the Windows
# build too). The installed Qt is kept in CACHE, in a folder named by its
# version and marked with a hash of this recipe, so a new version or a changed
# recipe builds anew and an unchanged one is reused; a build cut short goes on
# where it stopped. The cache's path may hold spaces. Only what the game uses is
# built: Core, Gui and Widgets, static and single-threaded, with the wasm
# platform plugin, and Qt's bundled zlib, libpng, pcre2, FreeType and HarfBuzz.
# Set KESTAVINE_QT_UNITY=OFF to build it one file at a time (to compare).
set -euo pipefail

cache=$(mkdir -p "$1" && cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
upstream=${version%%+*}
unity=${KESTAVINE_QT_UNITY:-ON}
# The mark covers Debian's revision too: a new revision is built anew.
recipe=$( (cat "$here/qt.sh" "$here/qt-wasm-without-opengl.patch"; echo "unity=$unity $version") | sha256sum | cut -c1-16)
prefix=$cache/qt-$upstream-wasm
if [ "$(cat "$prefix/.recipe" 2>/dev/null)" = "$recipe" ]; then
    echo "$prefix"
    exit 0
fi
log=$cache/qt-wasm-build.log
: >"$log"
echo "qt: building Qt $upstream for WebAssembly into $prefix (log: $log)" >&2

dsc=$(bash "$here/../qtsource.sh" "$cache")
# shellcheck source=../qtwork.sh
source "$here/../qtwork.sh"
work=$cache/work-wasm
# Qt's build finds emscripten through an emsdk-shaped folder, made below.
export EMSDK=$prefix/emsdk
# unpack_and_configure: Qt's source unpacked into the work folder and
# configured for WebAssembly.
unpack_and_configure() {
    rm -rf "$work" && mkdir -p "$work"
    dpkg-source -q -x "$dsc" "$work/qtbase" >>"$log" 2>&1 || { tail -n 20 "$log" >&2; exit 1; }
    patch -d "$work/qtbase" -p1 <"$here/qt-wasm-without-opengl.patch" >>"$log" 2>&1 || { tail -n 20 "$log" >&2; exit 1; }

    rm -rf "$prefix" && mkdir -p "$prefix"
    # Qt's build and the game's look for emscripten in an emsdk-shaped folder
    # (EMSDK): a .emscripten file naming the emscripten folder inside it. Debian's
    # emscripten lives in /usr/share/emscripten, and its own configuration there
    # keeps its prebuilt system libraries frozen, so nothing is fetched.
    mkdir -p "$EMSDK/upstream"
    ln -s /usr/share/emscripten "$EMSDK/upstream/emscripten"
    echo "EMSCRIPTEN_ROOT = 'upstream/emscripten'" >"$EMSDK/.emscripten"

    host_cmake=$(dirname "$(dirname "$(dpkg -L qt6-base-dev | grep -m1 '/cmake/Qt6/Qt6Config.cmake$')")")
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
        -DCMAKE_PROJECT_INCLUDE="$(qt_prefix_map "$work")" \
        -DFEATURE_thread=OFF -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF \
        -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF -DFEATURE_testlib=OFF \
        -DFEATURE_mimetype_database=OFF -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF \
        -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF \
        -DFEATURE_pdf=OFF -DFEATURE_movie=OFF -DFEATURE_textodfwriter=OFF \
        -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
        -DFEATURE_freetype=ON -DFEATURE_harfbuzz=ON "${features[@]}" \
        >>"$log" 2>&1 || { tail -n 40 "$log" >&2; exit 1; }
}
started=$SECONDS
# A build that was cut short goes on where it stopped.
if qt_work_resumable "$work" "$recipe"; then
    echo "qt: going on with the build in $work" >&2
else
    unpack_and_configure
    qt_work_configured "$work" "$recipe"
fi
steps=$(ninja -C "$work/build" -t commands | wc -l)
# The compile's CPU seconds, as bash counts its children's.
cpu_before=$(awk '{ print $14 + $15 + $16 + $17 }' /proc/$$/stat)
nice -n 10 cmake --build "$work/build" --parallel 2 >>"$log" 2>&1 || { tail -n 40 "$log" >&2; exit 1; }
cpu=$(( ($(awk '{ print $14 + $15 + $16 + $17 }' /proc/$$/stat) - cpu_before) / $(getconf CLK_TCK) ))
cmake --install "$work/build" >>"$log" 2>&1 || { tail -n 40 "$log" >&2; exit 1; }
echo "qt: $steps build steps, $cpu CPU seconds, $(( (SECONDS - started + 30) / 60 )) minutes (unity build $unity)" | tee -a "$log" >&2
# Qt's licence texts go beside the game's page, with Debian's copyright file
# (which names what Qt bundles) and where the source came from.
cp -r "$work/qtbase/LICENSES" "$prefix/LICENSES"
cp "$work/qtbase/debian/copyright" "$prefix/LICENSES/debian-copyright"
cp "$dsc" "$prefix/"
rm -rf "$work"
echo "$recipe" >"$prefix/.recipe"
echo "$prefix"
