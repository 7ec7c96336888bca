#!/usr/bin/env bash
# Runs a window test under a real window manager, which frames its windows:
# an X server of its own (Xvfb picks a free display) with openbox on it.
#   bash withwindowmanager.sh TEST [ARGUMENTS...]
# Exits 77 (skipped) when Xvfb, openbox or xwininfo is missing.
set -uo pipefail

for program in Xvfb openbox xwininfo xprop; do
    command -v "$program" >/dev/null || { echo "SKIP: $program is not installed"; exit 77; }
done

display_file=$(mktemp)
pids=()
cleanup() {
    [ ${#pids[@]} -eq 0 ] || kill "${pids[@]}" 2>/dev/null
    rm -f "$display_file"
}
trap cleanup EXIT

# within SECONDS COMMAND...: true once the command succeeds, false after SECONDS.
within() {
    local tries=$(($1 * 20))
    shift
    for _ in $(seq "$tries"); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
pids+=($!)
within 10 test -s "$display_file" || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -n 1 "$display_file")

openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
# openbox has taken the display once it names itself on the root window.
within 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' \
    || { echo "openbox did not start"; exit 1; }

QT_QPA_PLATFORM=xcb "$@"
