#!/usr/bin/env bash
# Plays the picker's round over and over with a UI Automation client attached,
# to catch a crash that comes once in many closings: uiawalk starts the game,
# listens for events, and each round opens 建設物購入 with Space, builds with N
# twice and closes it with キャンセル. Counts the games that end in a crash.
#   closingloop.sh QT_PREFIX BUILD_DIR GAMES ROUNDS LOG
# (in the Debian 13 root: bash packaging/debian/debian13root.sh run bash packaging/windows/closingloop.sh ...)
# BUILD_DIR holds kestavine.exe and uiawalk.exe. A crash's backtrace (winedbg's,
# with no crash dialog) is in LOG; a debug build names the game's frames.
set -uo pipefail

qt=$1 build=$2 games=$3 rounds=$4 log=$5
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/winedesktop.sh" "$build/wine-loop"
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1

steps=(wait 地価 events)
for _ in $(seq "$rounds"); do
    steps+=(key space sleep 900 key n sleep 600 key n sleep 600 press キャンセル sleep 700)
done
passed=0 crashed=0
for game in $(seq "$games"); do
    echo "== game $game, $(date -u +%T)" >>"$log"
    before=$(grep -c 'Unhandled' "$log")
    bash "$here/wine.sh" "$qt" "$build/uiawalk.exe" --start "$(winepath -w "$build/kestavine.exe")" \
        "${steps[@]}" >/dev/null 2>>"$log"
    status=$?
    if [ "$(grep -c 'Unhandled' "$log")" -gt "$before" ]; then
        crashed=$((crashed + 1))
    elif [ "$status" -eq 0 ]; then
        passed=$((passed + 1))
    fi
    echo "game $game: uiawalk $status" >>"$log"
    sleep 2
done
echo "games: $games, of $rounds rounds each; $passed passed, $crashed crashed (log: $log)"
[ "$crashed" -eq 0 ]
