#!/usr/bin/env bash
# Runs the cross-built suite under Wine with CTest, on an X server of its own
# (Xvfb picks a free display) with openbox framing the windows, as a desktop
# would. The Wine prefix is BUILD_DIR/wine unless WINEPREFIX names another.
#   winetests.sh BUILD_DIR [ctest options...]
set -euo pipefail

build=$(cd "$1" && pwd)
shift
export WINEPREFIX=${WINEPREFIX:-$build/wine} WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
# The menu entries and file associations that Wine makes for what is
# installed in it go into the build folder, not the build machine's menus.
# (Switching winemenubuilder off instead makes each program start 15 s late.)
export XDG_DATA_HOME=$WINEPREFIX/xdg/data XDG_CONFIG_HOME=$WINEPREFIX/xdg/config
pids=()
display_file=$(mktemp)
cleanup() {
    wineserver -k 2>/dev/null || true
    [ ${#pids[@]} -eq 0 ] || kill "${pids[@]}" 2>/dev/null || true
    rm -f "$display_file"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
[ -s "$display_file" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n 1 "$display_file")
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)

# A server that stays, and a prefix made before the first test: else Wine's
# helpers, started by the first test, keep CTest's output pipe open until
# its time runs out.
mkdir -p "$WINEPREFIX"
wineserver -p
wineboot -i >/dev/null 2>&1
cd "$build"
ctest --output-on-failure --timeout 600 "$@"
