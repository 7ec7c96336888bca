#!/usr/bin/env bash
# Checks the Windows release as a player gets it. The zip: every DLL that
# anything in it imports is in it or is Windows' own (found in the Wine
# prefix's system32, or an API set), and the licence texts are there. The manifests: no
# program asks for more rights than the player's. The installer, run silently under Wine: over
# an earlier release and a player's file, with no mode or folder named (as Enter on every page),
# it installs what the zip holds where that release lay, in its mode (for the current user, and
# for all users), a Start-menu entry and an uninstall entry, and its uninstaller takes its own
# away, and the entries too unless a second copy has them now.
#   test_release.sh BUILD_DIR OBJDUMP       (needs WINEPREFIX, made by wineboot)
set -euo pipefail

build=$1
objdump=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

system32=${WINEPREFIX:?}/drive_c/windows/system32
[ -d "$system32" ] || fail "no Wine prefix at $WINEPREFIX (run wineboot first)"
zip=$(ls "$build"/kestavine-*-windows-x86_64.zip)
setup=$(ls "$build"/kestavine-*-setup.exe)
python3 -m zipfile -e "$zip" "$scratch"
folder=$scratch/kestavine

# Windows finds DLLs whatever their letters' case.
lower() { tr '[:upper:]' '[:lower:]'; }
(cd "$folder" && ls) | lower >"$scratch/bundled"
ls "$system32" | lower >"$scratch/system"
checked=0
while IFS= read -r binary; do
    while IFS= read -r dll; do
        name=$(lower <<<"$dll")
        # API set names are contracts that Windows maps to its own DLLs.
        [[ $name == api-ms-win-* || $name == ext-ms-win-* ]] || grep -qxF "$name" "$scratch/bundled" "$scratch/system" \
            || fail "${binary#"$folder"/} imports $dll, which is neither in the zip nor Windows' own"
    done < <("$objdump" -p "$binary" | sed -n 's/^\s*DLL Name: //p')
    checked=$((checked + 1))
done < <(find "$folder" -name '*.exe' -o -name '*.dll')
for needed in kestavine.exe platforms/qwindows.dll licences/kestavine-MIT.txt licences/Qt-LGPL-3.0.txt \
    licences/KestavineGothic-OFL-1.1.txt licences/GCC-runtime-libraries.txt licences/MinGW-w64-winpthreads.txt; do
    [ -f "$folder/$needed" ] || fail "the zip lacks $needed"
done
echo "the zip's $checked programs and DLLs import only DLLs in the zip or Windows' own"
# Started from Explorer, a console program would open a console window too.
"$objdump" -p "$folder/kestavine.exe" | grep 'Subsystem.*Windows GUI' >/dev/null || fail "kestavine.exe is a console program"
# What each program's manifest asks of Windows: no rights beyond the player's
# (the installer included: it asks for them itself only to install for everyone),
# and for the game, the DPI awareness that Qt expects and the common controls 6.
for wanted in "$setup|level=\"asInvoker\"" "$folder/kestavine.exe|level=\"asInvoker\"" \
    "$folder/kestavine.exe|>PerMonitorV2<" "$folder/kestavine.exe|name=\"Microsoft.Windows.Common-Controls\" version=\"6."; do
    grep -aqF "${wanted#*|}" "${wanted%%|*}" || fail "${wanted%%|*} has no ${wanted#*|} in its manifest"
done

drive_c=$WINEPREFIX/drive_c
target=$drive_c/kestavine-release-test
menu=$(find "$drive_c/users" -path '*/Start Menu/Programs' -type d | grep -v Public | head -n 1)
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\kestavine'
rm -rf "$target" "$target-2" "$target-all"
# An earlier release, from the same files and one that this one no longer has.
cp -r "$folder" "$scratch/earlier" && echo >"$scratch/earlier/styles/qearlierstyle.dll"
cmake -DSTAGE="$scratch/earlier" -DFILES="$scratch/earlier.nsh" -P "${0%/*}/../../packaging/windows/filelists.cmake"
makensis -V1 -INPUTCHARSET UTF8 -DVERSION=0.0.1 -DPUBLISHER=- -DICON="${0%/*}/../../assets/icon/kestavine.ico" -DSTAGE="$scratch/earlier" \
    -DFILES="$scratch/earlier.nsh" -DOUTFILE="$scratch/earlier.exe" "${0%/*}/../../packaging/windows/kestavine.nsi"
wine "$scratch/earlier.exe" /S /CurrentUser '/D=C:\kestavine-release-test' && echo >"$target/town.txt"
# As Enter on every page: the mode and the folder the earlier release was installed with.
wine "$setup" /S
(cd "$folder" && find . -type f | sort) >"$scratch/zipped"
(cd "$target" && find . -type f ! -name uninstall.exe ! -name town.txt | sort) >"$scratch/installed"
diff "$scratch/zipped" "$scratch/installed" || fail "the installer installed other files than the zip holds"
[ -f "$menu/kestavine.lnk" ] || fail "no Start-menu entry in $menu"
wine reg query "$key" /v UninstallString 2>/dev/null | grep 'uninstall.exe" /CurrentUser' >/dev/null \
    || fail "no uninstall entry in $key"
wine reg query "$key" /v DisplayVersion | grep -F "$(basename "$setup" | cut -d- -f2)" >/dev/null || fail "not this version's entry"
[ -f "$target/town.txt" ] || fail "the installer removed the player's file"
! wine reg query "${key/HKCU/HKLM}" >/dev/null 2>&1 && [ ! -e "$drive_c/Program Files/kestavine" ] \
    || fail "the upgrade installed a second copy, for all users"
wine "$setup" /S /CurrentUser '/D=C:\kestavine-release-test-2'
echo "the installer installed the zip's $(wc -l <"$scratch/installed") files, a Start-menu entry and an uninstall entry"

# The uninstaller runs a copy of itself from the temporary folder, and returns at once.
wine "$target/uninstall.exe" /S /CurrentUser
for _ in $(seq 120); do [ -e "$target/uninstall.exe" ] && sleep 0.5; done
[ "$(ls -A "$target")" = town.txt ] || fail "the uninstaller left $(ls -A "$target")"
wine reg query "$key" /v InstallLocation | grep -F test-2 >/dev/null && [ -f "$menu/kestavine.lnk" ] \
    || fail "uninstalling one copy took the other's entries"
wine "$target-2/uninstall.exe" /S /CurrentUser
for _ in $(seq 120); do [ -e "$target-2" ] && sleep 0.5; done
[ ! -e "$target-2" ] || fail "the uninstaller left $(cd "$target-2" && find . | head -n 5)"
[ ! -e "$menu/kestavine.lnk" ] || fail "the uninstaller left the Start-menu entry"
! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstaller left $key"
echo "the uninstaller removed all of it"

# For all users alike: the upgrade finds the earlier copy's mode and folder.
wine "$scratch/earlier.exe" /S /AllUsers '/D=C:\kestavine-release-test-all'
wine "$setup" /S
wine reg query "${key/HKCU/HKLM}" /v UninstallString | grep -F 'release-test-all\uninstall.exe" /AllUsers' >/dev/null \
    && [ -f "$target-all/kestavine.exe" ] && [ ! -e "$target-all/styles/qearlierstyle.dll" ] \
    || fail "the upgrade did not find the copy installed for all users"
wine "$target-all/uninstall.exe" /S /AllUsers
for _ in $(seq 120); do [ -e "$target-all" ] && sleep 0.5; done
[ ! -e "$target-all" ] || fail "the uninstaller left the copy for all users"
echo "the installer upgraded each mode's copy in place"
