#!/usr/bin/env bash
# Measures the game beside a bare Qt Widgets program with one empty window
# (the floor) and prints the ratios: start-up, memory, idle CPU, and with
# --fidelity the year counter against the wall clock over ten minutes. A
# second floor shows one line of Japanese in the game's font: what any program
# pays for the CJK font before it does anything of its own. First of all it
# times the hand-over from the splash to the main window over 20 launches,
# from outside the game, as the display maps the two windows.
#   bash tools/bench/measure.sh [BUILD_DIR] [--handover-only] [--window-manager] [--fidelity SECONDS]
# Runs on the display in DISPLAY, or on its own Xvfb when there is none;
# --window-manager runs openbox on that Xvfb, so the windows get frames.
set -euo pipefail

build=build
handover_only=false
window_manager=false
fidelity=0
while [ $# -gt 0 ]; do
    case "$1" in
    --handover-only) handover_only=true ;;
    --window-manager) window_manager=true ;;
    --fidelity) fidelity=${2:-600}; shift ;;
    *) build=$1 ;;
    esac
    shift
done
game=$build/app/kestavine
floor=$build/tools/bench/emptywindow
probe=$build/tools/bench/startupprobe
mapwatch=$build/tools/bench/mapwatch
for program in "$game" "$floor" "$probe" "$mapwatch"; do
    [ -x "$program" ] || { echo "missing $program: build first" >&2; exit 1; }
done

pids=()
trap '[ ${#pids[@]} -eq 0 ] || kill "${pids[@]}" 2>/dev/null' EXIT
if [ -z "${DISPLAY:-}" ]; then
    Xvfb :93 -screen 0 1280x1024x24 >/dev/null 2>&1 &
    pids+=($!)
    export DISPLAY=:93
    sleep 1
    if $window_manager; then
        openbox --sm-disable >/dev/null 2>&1 &
        pids+=($!)
        sleep 1
    fi
fi
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One launch: ms from the splash being mapped to the main window being mapped.
handover_ms() {
    local log
    log=$(mktemp)
    "$mapwatch" >"$log" &
    local watch=$!
    until grep -q '^ready' "$log"; do sleep 0.01; done
    "$game" >/dev/null 2>&1 &
    local game_pid=$!
    for _ in $(seq 500); do
        grep -q ' map .* kestavine VELDORAKS' "$log" && break
        sleep 0.02
    done
    kill $game_pid $watch 2>/dev/null || true
    wait $game_pid $watch 2>/dev/null || true
    awk '$2 == "map" && $5 == "kestavine" {
             if (splash == "") splash = $1
             else if ($6 == "VELDORAKS") { printf "%.0f\n", $1 - splash; exit }
         }' "$log"
    rm -f "$log"
}

launches=20
echo "== hand-over, splash mapped to main window mapped ($launches launches, ms)"
times=()
for _ in $(seq $launches); do
    times+=("$(handover_ms)")
done
echo "launches: ${times[*]}"
printf '%s\n' "${times[@]}" | sort -n | awk -v median="$(printf '%s\n' "${times[@]}" | median)" \
    'NR == 1 { least = $1 } { most = $1 } END { printf "median %s, least %s, most %s\n", median, least, most }'
if $handover_only; then
    exit 0
fi
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
