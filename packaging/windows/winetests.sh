#!/usr/bin/env bash
# Runs the cross-built suite under Wine with CTest, on an X server of its own
# (Xvfb picks a free display) with openbox framing the windows, as a desktop
# would. The Wine prefix is BUILD_DIR/wine unless WINEPREFIX names another.
#   winetests.sh BUILD_DIR [ctest options...]
set -euo pipefail

build=$(cd "$1" && pwd)
shift
source "$(dirname "${BASH_SOURCE[0]}")/winedesktop.sh" "$build/wine"
cd "$build"
ctest --output-on-failure --timeout 600 "$@"
