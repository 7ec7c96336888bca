#!/usr/bin/env bash
# Fetches Debian's qt6-base source package of the same version as this
# machine's Qt, once, and prints the path of its .dsc:
#   bash packaging/qt/source.sh CACHE
# Both Qt builds from source (for Windows and for the web) start from it. It is
# fetched with a source list of its own in CACHE, made from the machine's apt
# sources (which stay untouched), and apt checks its signatures. The files are
# downloaded into a folder of their own and moved into place only once every
# checksum the .dsc lists has been checked, so an interrupted download is
# fetched again rather than kept.
set -euo pipefail

cache=$(mkdir -p "$1" && cd "$1" && pwd)
version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
sources=$cache/src/qt6-base_$version
dsc=$sources/qt6-base_$version.dsc
if [ -f "$dsc" ]; then
    echo "$dsc"
    exit 0
fi

fail() {
    echo "qtsource: $*" >&2
    exit 1
}

# A source list of our own: the machine's Debian sources, as source entries.
apt=$cache/apt
rm -rf "$apt" && mkdir -p "$apt/sources" "$apt/lists/partial"
for list in /etc/apt/sources.list.d/*.sources; do
    [ -f "$list" ] && sed 's/^Types:.*/Types: deb-src/' "$list" >"$apt/sources/$(basename "$list")"
done
for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$list" ] && sed -n 's/^deb /deb-src /p' "$list" >"$apt/sources/$(basename "$list")"
done
private=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$apt/sources"
    -o "Dir::State::Lists=$apt/lists" -o Dir::Etc::Preferences=/dev/null)
# apt's download sandbox user cannot write into a root's cache folder.
[ "$(id -u)" -ne 0 ] || private+=(-o APT::Sandbox::User=root)

echo "qtsource: fetching qt6-base $version" >&2
apt-get -qq "${private[@]}" update || fail "apt-get update with the source list in $apt failed"
mkdir -p "$cache/src"
download=$(mktemp -d "$cache/src/download.XXXXXX")
trap 'rm -rf "$download"' EXIT
(cd "$download" && apt-get -qq "${private[@]}" source --download-only "qt6-base=$version") \
    || fail "could not fetch the source of qt6-base $version"
# Every file the .dsc names, with the size and SHA-256 it gives.
awk '/^Checksums-Sha256:/ { listing = 1; next } /^[^ ]/ { listing = 0 } listing && NF == 3 { print $1 "  " $3 }' \
    "$download/qt6-base_$version.dsc" >"$download/SHA256SUMS"
[ -s "$download/SHA256SUMS" ] || fail "the .dsc of qt6-base $version lists no checksums"
(cd "$download" && sha256sum --quiet -c SHA256SUMS) >&2 || fail "the source of qt6-base $version is incomplete or damaged"
rm -rf "$sources"
chmod 755 "$download"
mv "$download" "$sources"
trap - EXIT
echo "$dsc"
