#!/usr/bin/env bash
# Sets up a Debian 12 machine for kestavine, builds it, and plays or tests it.
#   bash tools/setup.sh play            install what is missing, build, start the game
#   bash tools/setup.sh test            install what is missing, build, run every test
#   bash tools/setup.sh sanitize        the tests again, built with ASan and UBSan
#   bash tools/setup.sh fuzz [seconds]  run each fuzz target for a while (default 20 s)
#   bash tools/setup.sh debian13        the test command and lintian on a Debian 13 root
# Installs only packages that are missing and builds incrementally, so a
# second run starts at once.
set -euo pipefail

mode=${1:-play}
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# The game's font is cut from fonts-noto-cjk with python3-fonttools at build time.
packages=(g++ cmake ninja-build qt6-base-dev fonts-noto-cjk python3-fonttools)
case "$mode" in
# openbox: windows as the player sees them, framed by a real window manager.
# locales: the font test compiles Chinese and Korean locales of its own.
# qt6-base-private-dev: a test switches accessibility on, as a screen reader does.
test | sanitize) packages+=(xvfb xauth x11-utils file openbox locales qt6-base-private-dev) ;;
fuzz) packages+=(clang libclang-rt-dev) ;;
esac
# The package test builds the .deb and checks it as Debian would; the Debian
# 13 run builds a root of its own.
case "$mode" in
test) packages+=(dpkg-dev lintian appstream) ;;
debian13) packages+=(debootstrap) ;;
esac

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

# build DIR [cmake options...]: configure once (every time in CI), then build.
build() {
    local dir=$1
    shift
    local options=(-S "$top" -B "$dir" -G Ninja "$@")
    # CI treats every warning as an error; at home a warning should not stop play.
    if [ "${CI:-}" = true ]; then
        options+=(-DKESTAVINE_WERROR=ON)
    fi
    if [ ! -f "$dir/CMakeCache.txt" ] || [ "${CI:-}" = true ]; then
        cmake "${options[@]}" >/dev/null
    fi
    cmake --build "$dir" --parallel
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
    build "$top/build"
    exec "$top/build/app/kestavine"
    ;;
test)
    build "$top/build"
    run_tests "$top/build"
    ;;
sanitize)
    build "$top/build-sanitize" -DKESTAVINE_SANITIZE=ON
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export LSAN_OPTIONS=suppressions=$top/tests/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    # The package test packs and starts a sanitized program; the normal run covers it.
    run_tests "$top/build-sanitize" --exclude-regex package
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
debian13)
    exec bash "$top/tools/debian13.sh"
    ;;
*)
    echo "usage: bash tools/setup.sh play|test|sanitize|fuzz [seconds]|debian13" >&2
    exit 2
    ;;
esac
