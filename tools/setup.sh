#!/usr/bin/env bash
# Sets up a Debian 12 machine for kestavine, builds it, and plays or tests it.
#   bash tools/setup.sh play            install what is missing, build the game alone, start it
#   bash tools/setup.sh test            install what is missing, build, run every test
#   bash tools/setup.sh package         build the game's Debian package, build/kestavine_*.deb
#   bash tools/setup.sh sanitize        the tests again, built with ASan and UBSan
#   bash tools/setup.sh fuzz [seconds]  run each fuzz target for a while (default 20 s)
#   bash tools/setup.sh reproduce       build the package twice, differently, and compare
#   bash tools/setup.sh reproduce windows  the same for the Windows zip and installer
#   bash tools/setup.sh reproduce windows|web --built  the same, against the build just made here
#   bash tools/setup.sh dh              build a Debian package with plain debhelper, offline
#   bash tools/setup.sh debian13        the test command and lintian on a Debian 13 root
#   bash tools/setup.sh debian13root    make the Debian 13 root that debian13 and windows use
#   bash tools/setup.sh windows         the game for Windows (zip, installer), tested under Wine
#   bash tools/setup.sh windows release the Windows zip and installer alone
#   bash tools/setup.sh web             the game in a web page, build-web/site/ and its zip
#   bash tools/setup.sh web test        the same, then played in headless Chromium
#   bash tools/setup.sh web bench       what the page costs a browser: bytes, start-up, memory
#   bash tools/setup.sh web serve [port]  serve build-web/site/ on 127.0.0.1
#   bash tools/setup.sh reproduce web   the web zip built twice and compared
#   bash tools/setup.sh build-depends   print what building and testing need (installs nothing)
#   bash tools/setup.sh install MODE... install what those modes need, build nothing
# Installs only packages that are missing and builds incrementally, so a
# second run starts at once.
set -euo pipefail

mode=${1:-play}
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# Qt for Windows and the web is built once and kept here, outside the clone,
# for later runs.
qt_cache=${KESTAVINE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kestavine}

# The Windows and web builds take Qt from Debian 13's source, with Debian 13's
# Qt 6.8 as their host tools (and Debian 13's emscripten for the web). On an
# older Debian they run in the project's Debian 13 root
# (packaging/debian/debian13root.sh), which lands their results here all the same.
qt_before_6_8() {
    local candidate
    candidate=$(apt-cache show --no-all-versions qt6-base-dev 2>/dev/null | sed -n 's/^Version: //p')
    ! dpkg --compare-versions "${candidate:-0}" ge 6.8
}
# A page already built is served as it is, by this machine's Python.
if [ "$mode ${2:-}" = "web serve" ] && [ -f "$top/build-web/site/index.html" ]; then
    exec python3 "$top/packaging/web/serve.py" "$top/build-web/site" "${3:-8000}"
fi
case "$*" in
windows | "windows "* | web | "web "* | "reproduce windows"* | "reproduce web"*)
    if qt_before_6_8; then
        bash "$top/tools/setup.sh" debian13root
        exec bash "$top/packaging/debian/debian13root.sh" run bash tools/setup.sh "$@"
    fi
    ;;
esac

# What the game is built from: the game's font is cut from fonts-noto-cjk
# with python3-fonttools at build time, and Qt's own words in Japanese are
# taken from qt6-translations-l10n with lconvert (qt6-l10n-tools).
build_packages=(g++ cmake ninja-build qt6-base-dev fonts-noto-cjk python3-fonttools
    qt6-translations-l10n qt6-l10n-tools)
# What the tests use. xvfb, openbox, x11-utils: windows as the player sees
# them, on a virtual X server and framed by a real window manager. locales:
# the font test compiles Chinese and Korean locales of its own.
# qt6-base-private-dev: a test switches accessibility on, as a screen reader does.
test_packages=(xvfb xauth x11-utils file openbox locales qt6-base-private-dev)
# add_packages MODE [SUB]: what MODE needs beyond the build's packages.
add_packages() {
    case "$1" in
    test | sanitize) packages+=("${test_packages[@]}") ;;
    fuzz) packages+=(clang libclang-rt-dev) ;;
    # Packs twice from a clone and a tarball that git makes; the second build
    # runs under a German locale, compiled from the locales package's sources.
    reproduce) packages+=(dpkg-dev locales git) ;;
    # A distribution's build: debhelper, and the same packages as Build-Depends.
    dh) packages+=("${test_packages[@]}" debhelper git lintian) ;;
    build-depends)
        echo "${build_packages[*]} ${test_packages[*]}"
        exit 0
        ;;
    esac
    # The package test builds the .deb and checks it as Debian would, dated by
    # git; the Debian 13 run builds a root of its own.
    case "$1" in
    test) packages+=(dpkg-dev lintian appstream git) ;;
    # The package's dependencies come from dpkg-shlibdeps, its dates from git.
    package) packages+=(dpkg-dev git) ;;
    debian13 | debian13root) packages+=(debootstrap) ;;
    # Qt for Windows is built from Debian's own source (dpkg-dev unpacks it;
    # libwine-dev has the Wintab headers it leaves out) with MinGW-w64, posix
    # threads; NSIS makes the installer; Wine on Xvfb with openbox runs the tests;
    # the zip's dates come from git.
    windows)
        packages+=(g++-mingw-w64-x86-64-posix dpkg-dev libwine-dev nsis wine wine64 xvfb xauth openbox git)
        ;;
    # Qt for WebAssembly is built from the same source with emscripten (whose
    # optimiser is binaryen's); Chromium plays the page in the test and the
    # benchmark; the zip's dates come from git.
    web)
        packages+=(emscripten binaryen dpkg-dev git)
        case "${2:-}" in test | bench) packages+=(chromium) ;; esac
        ;;
    esac
}
packages=("${build_packages[@]}")
if [ "$mode" = install ]; then
    # install MODE...: what those modes need, with nothing built: CI fetches
    # the Debian 13 root's packages this way while the first stages build.
    for wanted in "${@:2}"; do add_packages "$wanted" test; done
else
    add_packages "$mode" "${2:-}"
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
[ "$mode" != install ] || exit 0

# configured DIR [cmake options...]: whether DIR's cache already holds each
# -DNAME=VALUE given.
configured() {
    local cache=$1/CMakeCache.txt option
    shift
    [ -f "$cache" ] || return 1
    for option in "$@"; do
        option=${option#-D}
        grep -q "^${option%%=*}:[A-Z]*=${option#*=}\$" "$cache" || return 1
    done
}

# build DIR [cmake options...]: configure when the options are new (and every
# time in CI), then build.
build() {
    local dir=$1
    shift
    local options=("$@")
    # CI treats every warning as an error; at home a warning should not stop play.
    if [ "${CI:-}" = true ]; then
        options+=(-DKESTAVINE_WERROR=ON)
    fi
    if ! configured "$dir" "${options[@]}" || [ "${CI:-}" = true ]; then
        cmake -S "$top" -B "$dir" -G Ninja "${options[@]}" >/dev/null
    fi
    # As many jobs as the build tool thinks fit, or CMAKE_BUILD_PARALLEL_LEVEL.
    cmake --build "$dir"
}

# run_tests DIR [ctest options...]: the widget tests draw off screen; a few
# start the real program, which needs a display.
run_tests() {
    cd "$1"
    shift
    if [ -z "${DISPLAY:-}" ]; then
        xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure --timeout 600 "$@"
    else
        ctest --output-on-failure --timeout 600 "$@"
    fi
}

case "$mode" in
play)
    build "$top/build" -DBUILD_TESTING=OFF
    exec "$top/build/app/kestavine"
    ;;
test)
    build "$top/build" -DBUILD_TESTING=ON -DKESTAVINE_PACKAGE_TEST=ON
    run_tests "$top/build"
    ;;
package)
    build "$top/build" -DBUILD_TESTING=OFF
    cmake --build "$top/build" --target package
    ;;
sanitize)
    # Without the package test: it would pack a sanitized program; the normal run covers it.
    build "$top/build-sanitize" -DKESTAVINE_SANITIZE=ON -DKESTAVINE_PACKAGE_TEST=OFF
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export LSAN_OPTIONS=suppressions=$top/tests/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    run_tests "$top/build-sanitize"
    ;;
fuzz)
    seconds=${2:-20}
    CXX=clang++ build "$top/build-fuzz" -DKESTAVINE_FUZZ=ON -DKESTAVINE_WINDOWS=OFF
    for target in fuzz_numbertext fuzz_placement fuzz_policy; do
        corpus="$top/build-fuzz/corpus/$target"
        mkdir -p "$corpus"
        echo "== $target for $seconds s"
        log="$top/build-fuzz/$target.log"
        if ! "$top/build-fuzz/tests/fuzz/$target" -max_total_time="$seconds" \
            "$corpus" "$top/tests/fuzz/corpus" >"$log" 2>&1; then
            tail -n 60 "$log"
            exit 1
        fi
        grep -E '^Done' "$log"
    done
    ;;
reproduce)
    exec bash "$top/packaging/reproduce.sh" "${@:2}"
    ;;
dh)
    exec bash "$top/packaging/debian/dhbuild.sh"
    ;;
debian13)
    exec bash "$top/packaging/debian/debian13.sh"
    ;;
debian13root)
    exec bash "$top/packaging/debian/debian13root.sh" make
    ;;
windows)
    qt=$(bash "$top/packaging/windows/qt.sh" "$qt_cache")
    options=(-DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake"
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$qt/mingw-w64-x86_64.cmake")
    # "windows release" makes the zip and the installer alone.
    if [ "${2:-}" = release ]; then
        build "$top/build-windows" "${options[@]}" -DBUILD_TESTING=OFF
        cmake --build "$top/build-windows" --target windows_release
        exit 0
    fi
    build "$top/build-windows" "${options[@]}" -DBUILD_TESTING=ON -DKESTAVINE_PACKAGE_TEST=ON \
        "-DCMAKE_CROSSCOMPILING_EMULATOR=$top/packaging/windows/wine.sh;$qt"
    cmake --build "$top/build-windows" --target windows_release
    exec bash "$top/packaging/windows/winetests.sh" "$top/build-windows"
    ;;
web)
    site=$top/build-web/site
    qt=$(bash "$top/packaging/web/qt.sh" "$qt_cache")
    # Qt's CMake files find emscripten through the emsdk-shaped folder beside Qt.
    export EMSDK=$qt/emsdk
    # A static Qt links its plugins (the wasm platform) into the program only
    # when asked: Debian's Qt source leaves them out by default.
    build "$top/build-web" -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING=OFF -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF
    cmake --build "$top/build-web" --target web_release
    case "${2:-}" in
    test) exec python3 "$top/packaging/web/browsertest.py" "$site" "$top/build-web/browser" ;;
    bench) exec python3 "$top/packaging/web/bench.py" "$site" ;;
    serve) exec python3 "$top/packaging/web/serve.py" "$site" "${3:-8000}" ;;
    *) echo "web: the page is in $site, zipped in $(ls "$top"/build-web/kestavine-*-web.zip)" ;;
    esac
    ;;
*)
    echo "usage: bash tools/setup.sh play|test|package|sanitize|fuzz [seconds]|reproduce|dh|debian13|debian13root|windows|web [test|bench|serve [port]]|build-depends" >&2
    exit 2
    ;;
esac
