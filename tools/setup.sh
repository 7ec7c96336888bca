#!/usr/bin/env bash
# Sets up a Debian 12 machine for kestavine, builds it, and plays or tests it.
#   bash tools/setup.sh play   install what is missing, build, start the game
#   bash tools/setup.sh test   install what is missing, build, run every test
# Installs only packages that are missing and builds incrementally, so a
# second run starts at once.
set -euo pipefail

mode=${1:-play}
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${KESTAVINE_BUILD_DIR:-$top/build}

packages=(g++ cmake ninja-build qt6-base-dev fonts-noto-cjk)
if [ "$mode" = test ]; then
    packages+=(xvfb xauth)
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

configure=(-S "$top" -B "$build" -G Ninja)
# CI treats every warning as an error; at home a warning should not stop play.
if [ "${CI:-}" = true ]; then
    configure+=(-DKESTAVINE_WERROR=ON)
fi
if [ ! -f "$build/CMakeCache.txt" ] || [ "${CI:-}" = true ]; then
    cmake "${configure[@]}" >/dev/null
fi
cmake --build "$build" --parallel

case "$mode" in
play)
    exec "$build/app/kestavine"
    ;;
test)
    cd "$build"
    # The widget tests draw off screen; a few start the real program, which needs a display.
    if [ -z "${DISPLAY:-}" ]; then
        exec xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure --timeout 600
    fi
    exec ctest --output-on-failure --timeout 600
    ;;
*)
    echo "usage: bash tools/setup.sh play|test" >&2
    exit 2
    ;;
esac
