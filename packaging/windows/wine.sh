#!/usr/bin/env bash
# Runs a program of the Windows build under Wine: CTest's emulator for the
# cross-built tests, and a way to start the built game by hand.
#   wine.sh QT_PREFIX PROGRAM [ARGUMENTS...]
# Windows finds the DLLs in Qt's bin folder and beside MinGW-w64's compiler.
# Wine passes no QT_* variable on to a Windows program but gives it each
# WINEQT_* one as QT_*, so each QT_* set here goes on that way; and QtTest
# writes to the debugger on Windows unless told to write to stderr.
set -euo pipefail

qt=$1
shift
folders=("$qt/bin")
for dll in libstdc++-6.dll libwinpthread-1.dll; do
    folders+=("$(dirname "$(realpath "$(x86_64-w64-mingw32-g++-posix -print-file-name="$dll")")")")
done
export WINEPATH
WINEPATH=$(printf 'Z:%s\n' "${folders[@]}" | tr '/' '\\' | paste -sd ';')
export WINEDEBUG=${WINEDEBUG:--all}
export QT_FORCE_STDERR_LOGGING=1
while IFS='=' read -r name _; do
    export "WINE$name=${!name}"
done < <(env | grep -E '^QT_[A-Z0-9_]*=' || true)
exec wine "$@"
