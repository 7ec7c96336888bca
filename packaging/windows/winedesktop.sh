# Sourced by the scripts that run Windows programs under Wine: a desktop of
# their own for what follows, ended when the script exits. Xvfb picks a free
# display, openbox frames the windows as a desktop would, and a wineserver
# that stays serves a prefix booted before the first program.
#   source winedesktop.sh DEFAULT_PREFIX    (WINEPREFIX, if set, wins)
export WINEPREFIX=${WINEPREFIX:-$1} WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
# The menu entries and file associations that Wine makes for what is
# installed in it go into the prefix, not the build machine's menus.
# (Switching winemenubuilder off instead makes each program start 15 s late.)
export XDG_DATA_HOME=$WINEPREFIX/xdg/data XDG_CONFIG_HOME=$WINEPREFIX/xdg/config
wine_desktop_pids=()
wine_desktop_display=$(mktemp)
wine_desktop_end() {
    wineserver -k 2>/dev/null || true
    [ ${#wine_desktop_pids[@]} -eq 0 ] || kill "${wine_desktop_pids[@]}" 2>/dev/null || true
    rm -f "$wine_desktop_display"
}
trap wine_desktop_end EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$wine_desktop_display" >/dev/null 2>&1 &
wine_desktop_pids+=($!)
for _ in $(seq 100); do [ -s "$wine_desktop_display" ] && break; sleep 0.1; done
[ -s "$wine_desktop_display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n 1 "$wine_desktop_display")
openbox --sm-disable >/dev/null 2>&1 &
wine_desktop_pids+=($!)

# A server that stays, and a prefix made before the first program: else
# Wine's helpers, started by the first one, keep an output pipe open (CTest's)
# until its time runs out.
mkdir -p "$WINEPREFIX"
wineserver -p
wineboot -i >/dev/null 2>&1
