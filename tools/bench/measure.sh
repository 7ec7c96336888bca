#!/usr/bin/env bash
# Measures the game beside a bare Qt Widgets program with one empty window
# (the floor) and prints the ratios: start-up, memory, idle CPU, and with
# --fidelity the year counter against the wall clock over ten minutes. A
# second floor shows one line of Japanese in the game's font: what any program
# pays for the CJK font before it does anything of its own.
#   bash tools/bench/measure.sh [BUILD_DIR] [--fidelity SECONDS]
# Runs on the display in DISPLAY, or on its own Xvfb when there is none.
set -euo pipefail

build=${1:-build}
fidelity=0
if [ "${2:-}" = --fidelity ]; then
    fidelity=${3:-600}
fi
game=$build/app/kestavine
floor=$build/tools/bench/emptywindow
probe=$build/tools/bench/startupprobe
for program in "$game" "$floor" "$probe"; do
    [ -x "$program" ] || { echo "missing $program: build first" >&2; exit 1; }
done

if [ -z "${DISPLAY:-}" ]; then
    Xvfb :93 -screen 0 1280x1024x24 >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb' EXIT
    export DISPLAY=:93
    sleep 1
fi
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0) ? a / b : 0 }'; }
probe_value() { "$probe" "$1" 2>/dev/null | awk -v key="$2" '$1 == key { print $2 }'; }

runs=11
echo "== start-up (median of $runs runs, ms)"
for what in splash_painted_from_main_ms splash_painted_from_exec_ms main_painted_from_main_ms main_painted_from_exec_ms; do
    declare "$what=$(for _ in $(seq $runs); do probe_value game $what; done | median)"
done
for kind in floor floor-japanese; do
    declare "${kind//-/_}_from_main=$(for _ in $(seq $runs); do probe_value $kind window_painted_from_main_ms; done | median)"
    declare "${kind//-/_}_from_exec=$(for _ in $(seq $runs); do probe_value $kind window_painted_from_exec_ms; done | median)"
done
echo "splash painted: $splash_painted_from_main_ms from main, $splash_painted_from_exec_ms from exec"
echo "main window painted: $main_painted_from_main_ms from main, $main_painted_from_exec_ms from exec" \
    "($((main_painted_from_main_ms - splash_painted_from_main_ms)) after the splash)"
echo "floor window painted: $floor_from_main from main, $floor_from_exec from exec"
echo "Japanese floor painted: $floor_japanese_from_main from main, $floor_japanese_from_exec from exec"
echo "ratio splash/floor from main: $(ratio "$splash_painted_from_main_ms" "$floor_from_main")," \
    "against the Japanese floor: $(ratio "$splash_painted_from_main_ms" "$floor_japanese_from_main")"

# kB of a process's resident memory, now (VmRSS) or at its highest (VmHWM).
memory() { awk -v key="$2:" '$1 == key { print $2 }' "/proc/$1/status"; }
# CPU time of a process in clock ticks.
cputicks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

echo "== memory and idle CPU (30 s to settle, then 60 s idle)"
"$game" >/dev/null 2>&1 &
game_pid=$!
"$floor" >/dev/null 2>&1 &
floor_pid=$!
"$floor" --japanese >/dev/null 2>&1 &
japanese_pid=$!
sleep 30
game_rss=$(memory $game_pid VmRSS); game_peak=$(memory $game_pid VmHWM)
floor_rss=$(memory $floor_pid VmRSS); floor_peak=$(memory $floor_pid VmHWM)
japanese_rss=$(memory $japanese_pid VmRSS); japanese_peak=$(memory $japanese_pid VmHWM)
game_ticks=$(cputicks $game_pid); floor_ticks=$(cputicks $floor_pid)
sleep 60
game_ticks=$(($(cputicks $game_pid) - game_ticks)); floor_ticks=$(($(cputicks $floor_pid) - floor_ticks))
kill $game_pid $floor_pid $japanese_pid
hz=$(getconf CLK_TCK)
echo "resident after 30 s: game $game_rss kB, floor $floor_rss kB, Japanese floor $japanese_rss kB;" \
    "ratios $(ratio "$game_rss" "$floor_rss"), $(ratio "$game_rss" "$japanese_rss")"
echo "peak resident:       game $game_peak kB, floor $floor_peak kB, Japanese floor $japanese_peak kB;" \
    "ratios $(ratio "$game_peak" "$floor_peak"), $(ratio "$game_peak" "$japanese_peak")"
awk -v g="$game_ticks" -v f="$floor_ticks" -v hz="$hz" 'BEGIN {
    printf "idle CPU per minute: game %.2f s (%.3f%% of one core), floor %.2f s\n", g / hz, 100 * g / hz / 60, f / hz }'

if [ "$fidelity" -gt 0 ]; then
    echo "== timer fidelity over $fidelity s"
    "$probe" fidelity "$fidelity" 2>/dev/null
fi
