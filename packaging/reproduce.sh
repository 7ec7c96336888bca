#!/usr/bin/env bash
# Builds the Debian package of this commit twice, as differently as a second
# builder would, and checks that the two .deb files are the same bytes:
#   first:  a clone (the date comes from git), umask 022, LANG=C
#   second: the release tarball that git archive makes (the date comes from the
#           tarball), in another folder, umask 002, LANG=de_DE.UTF-8, minutes later
#           (and for Windows, Qt's cache seen from another folder)
# Each runs the README's package command with no SOURCE_DATE_EPOCH set.
#   bash tools/setup.sh reproduce     (installs what it needs, then runs this)
# With "windows", the same for the Windows zip and installer, each built by
# bash tools/setup.sh windows release (Qt for Windows comes from its cache):
#   bash tools/setup.sh reproduce windows
# With "web", the same for the web page's zip, built by bash tools/setup.sh web:
#   bash tools/setup.sh reproduce web
# Builds the last commit: changes not yet committed are in neither build.
# With --built after "windows" or "web", the first build is the one this clone
# has just made (CI makes it in the stage before, from the same commit), and
# only the second is made here: half the time, the same comparison.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
target=${1:-debian}
reuse=${2:-}
started=$SECONDS
scratch=$(mktemp -d)
# The second Windows build finds Qt's cache through a folder that sorts on the
# other side of the compiler's own (/usr), with a space in its name: where Qt
# lies must not reach the program's bytes.
elsewhere=
cache=${KESTAVINE_CACHE:-}
if [ "$target" = windows ]; then
    elsewhere=$(mktemp -d /var/tmp/kestavine.XXXXXX)
    ln -s "${KESTAVINE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kestavine}" "$elsewhere/qt cache"
fi
trap 'rm -rf "$scratch" ${elsewhere:+"$elsewhere"}' EXIT

fail() {
    echo "reproduce: $*" >&2
    exit 1
}

commit=$(git -C "$top" rev-parse HEAD)
commit_time=$(git -C "$top" log -1 --format=%ct "$commit")
version=$(sed -n 's/^kestavine \([0-9.]*\), .*/\1/p' "$top/NEWS" | head -n 1)

# The German locale, compiled here so that the machine needs none installed;
# localedef answers 1 for mere warnings, so the compiled locale is what counts.
mkdir "$scratch/locale"
localedef -i de_DE -f UTF-8 "$scratch/locale/de_DE.UTF-8" >/dev/null 2>&1 || true
[ "$(LOCPATH=$scratch/locale LC_ALL=de_DE.UTF-8 locale decimal_point 2>/dev/null)" = , ] \
    || fail "could not compile the de_DE.UTF-8 locale (is the locales package installed?)"

# package NAME SOURCE UMASK LANG: the README's package command in SOURCE.
package() {
    local name=$1 source=$2 mask=$3 language=$4
    echo "== $name: $source, umask $mask, LANG=$language, $(date -u +%H:%M:%S)"
    (
        cd "$source"
        umask "$mask"
        # No SOURCE_DATE_EPOCH, no LC_* and no LANGUAGE: nothing but LANG sets the locale.
        env -i PATH="$PATH" HOME="$HOME" CI="${CI:-}" LOCPATH="$scratch/locale" LANG="$language" \
            KESTAVINE_CACHE="$cache" XDG_CACHE_HOME="${XDG_CACHE_HOME:-}" bash tools/setup.sh "${command[@]}"
    ) >"$scratch/$name.log" 2>&1 || { tail -n 40 "$scratch/$name.log"; fail "the $name build failed"; }
    for file in "${products[@]}"; do
        cp "$source"/$file "$scratch/$name.${file##*.}"
    done
}
if [ "$target" = windows ]; then
    command=(windows release)
    products=("build-windows/kestavine-*-windows-x86_64.zip" "build-windows/kestavine-*-setup.exe")
    kinds=(zip exe) what="Windows zip and installer"
elif [ "$target" = web ]; then
    command=(web)
    products=("build-web/kestavine-*-web.zip")
    kinds=(zip) what="web page's zip"
else
    command=(package)
    products=("build/kestavine_*.deb")
fi

if [ "$reuse" = --built ] && [ "$target" != debian ]; then
    # Only a build of this very commit, untouched, stands for the first.
    [ -z "$(git -C "$top" status --porcelain --untracked-files=no)" ] \
        || fail "--built wants a clean checkout: the build would not be of commit $commit"
    echo "== first: this clone's own build, $(date -u +%H:%M:%S)"
    for file in "${products[@]}"; do
        # shellcheck disable=SC2086 # the name is a pattern
        built=$(ls "$top"/$file 2>/dev/null) || fail "no $file: build it first (bash tools/setup.sh ${command[*]})"
        [ "$(stat -c %Y "$built")" -ge "$(git -C "$top" log -1 --format=%ct HEAD)" ] || fail "$built is older than the commit"
        cp "$built" "$scratch/first.${file##*.}"
    done
else
    git clone -q "$top" "$scratch/a/kestavine"
    git -C "$scratch/a/kestavine" checkout -q --detach "$commit"
    package first "$scratch/a/kestavine" 022 C
fi

# The release recipe of the README.
mkdir -p "$scratch/elsewhere/b"
git -C "$top" archive --format=tar.gz --prefix="kestavine-$version/" -o "$scratch/kestavine-$version.tar.gz" "$commit"
tar -xzf "$scratch/kestavine-$version.tar.gz" -C "$scratch/elsewhere/b"
[ -z "$elsewhere" ] || cache="$elsewhere/qt cache"
package second "$scratch/elsewhere/b/kestavine-$version" 002 de_DE.UTF-8

if [ "$target" = windows ] || [ "$target" = web ]; then
    for kind in "${kinds[@]}"; do sha256sum "$scratch/first.$kind" "$scratch/second.$kind"; done | sed "s|$scratch/||"
    # The zip's files carry the commit's time (as UTC, to the even second that
    # a zip can hold), not a time of either build.
    first_file_time=$(python3 -c 'import sys, zipfile; print("%04d-%02d-%02d %02d:%02d:%02d" % zipfile.ZipFile(sys.argv[1]).infolist()[0].date_time)' "$scratch/first.zip")
    [ "$first_file_time" = "$(TZ=UTC date -d "@$((commit_time - commit_time % 2))" '+%Y-%m-%d %H:%M:%S')" ] \
        || fail "the zip's files are dated $first_file_time, not at the commit"
    for kind in "${kinds[@]}"; do
        cmp -s "$scratch/first.$kind" "$scratch/second.$kind" && continue
        # Where the zips differ: each file's sum.
        for name in first second; do
            python3 -c 'import hashlib, sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
for i in z.infolist(): print(i.filename, i.date_time, hashlib.sha256(z.read(i)).hexdigest())' \
                "$scratch/$name.zip" >"$scratch/$name.contents"
        done
        diff "$scratch/first.contents" "$scratch/second.contents" || true
        fail "the two ${kind}s differ"
    done
    echo "reproduce: the same $what twice, in $((SECONDS - started)) s"
    exit 0
fi
sha256sum "$scratch/first.deb" "$scratch/second.deb" | sed "s|$scratch/||"
# The files carry the commit's time, not a time of either build.
first_file_time=$(dpkg-deb --fsys-tarfile "$scratch/first.deb" | TZ=UTC tar -tv --full-time | awk 'NR == 1 { print $4, $5 }')
[ "$first_file_time" = "$(TZ=UTC date -d "@$commit_time" '+%Y-%m-%d %H:%M:%S')" ] \
    || fail "the package's files are dated $first_file_time, not at the commit"
if ! cmp -s "$scratch/first.deb" "$scratch/second.deb"; then
    # Where they differ: the members' headers, the files' modes and dates, their sums.
    for name in first second; do
        {
            ar tvO "$scratch/$name.deb"
            dpkg-deb --fsys-tarfile "$scratch/$name.deb" | TZ=UTC tar -tv --full-time
            dpkg-deb --ctrl-tarfile "$scratch/$name.deb" | tar -xO ./md5sums
        } >"$scratch/$name.contents"
    done
    diff "$scratch/first.contents" "$scratch/second.contents" || true
    fail "the two packages differ"
fi
echo "reproduce: the same package twice ($(basename "$(ls "$scratch"/a/kestavine/build/kestavine_*.deb)")), in $((SECONDS - started)) s"
