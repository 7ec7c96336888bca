# What the two Qt builds from Debian's source (packaging/windows/qt.sh and
# packaging/web/qt.sh) share, sourced by both. A recipe says which Qt it
# makes and how Qt is configured for it; the rest is here:
#   qt_recipe CACHE NAME FILE...  the Qt named NAME, made by this recipe and
#                                 the files it reads: prints its folder and
#                                 ends the script when it is built already
#   qt_build                      builds it (configured by the recipe's own
#                                 unpack_and_configure), installs it with its
#                                 licences, and prints its folder
# The source is Debian's qt6-base of the same version as the build machine's
# Qt, whose moc, rcc and uic serve as the host tools (source.sh fetches it).
# Each Qt is kept in CACHE, in a folder named by its version and marked with a
# hash of its recipe, so a new version or a changed recipe builds anew and an
# unchanged one is reused; a build cut short goes on where it stopped. The
# cache's path may hold spaces.

qt_recipe_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Sets cache, version, upstream, recipe, prefix, work, log and host_cmake for
# the recipe; QT_RECIPE_EXTRA, when set, is part of the mark too.
qt_recipe() {
    cache=$(mkdir -p "$1" && cd "$1" && pwd)
    local name=$2
    shift 2
    version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
    upstream=${version%%+*}
    # The mark covers Debian's revision too: a new revision of the same Qt
    # version carries other patches and is built anew.
    recipe=$( (cat "$@" "$qt_recipe_here/recipe.sh"; echo "${QT_RECIPE_EXTRA:-} $version") | sha256sum | cut -c1-16)
    prefix=$cache/qt-$upstream-$name
    if [ "$(cat "$prefix/.recipe" 2>/dev/null)" = "$recipe" ]; then
        echo "$prefix"
        exit 0
    fi
    work=$cache/work-$name
    log=$cache/qt-$name-build.log
    echo "qt: building Qt $upstream ($name) into $prefix (log: $log)" >&2
    dsc=$(bash "$qt_recipe_here/source.sh" "$cache")
    host_cmake=$(dirname "$(dirname "$(dpkg -L qt6-base-dev | grep -m1 '/cmake/Qt6/Qt6Config.cmake$')")")
}

# qt_failed: the end of the log, and the script stops.
qt_failed() {
    tail -n 40 "$log" >&2
    exit 1
}

# qt_unpack: Qt's source, unpacked afresh into the work folder, with an empty
# prefix to install into.
qt_unpack() {
    rm -rf "$work" "$prefix" && mkdir -p "$work" "$prefix"
    dpkg-source -q -x "$dsc" "$work/qtbase" >>"$log" 2>&1 || qt_failed
}

# qt_prefix_map: a CMake file, for Qt's CMAKE_PROJECT_INCLUDE, that has the
# compilers call the work folder "." in what they write. A compile option of
# its own rather than a word in CMake's flags, so that its path may hold spaces.
qt_prefix_map() {
    # shellcheck disable=SC2016 # CMake expands it: the file's own folder, the work folder
    echo 'add_compile_options("-ffile-prefix-map=${CMAKE_CURRENT_LIST_DIR}=.")' >"$work/prefix-map.cmake"
    echo "$work/prefix-map.cmake"
}

qt_build() {
    local started=$SECONDS cpu_before cpu steps
    # A build that was cut short goes on where it stopped: the work folder
    # holds Qt's source configured by this recipe.
    if [ "$(cat "$work/.recipe" 2>/dev/null)" = "$recipe" ] && [ -f "$work/build/build.ninja" ]; then
        echo "qt: going on with the build in $work" >&2
    else
        : >"$log"
        unpack_and_configure
        echo "$recipe" >"$work/.recipe"
    fi
    steps=$(ninja -C "$work/build" -t commands | wc -l)
    # The compile's CPU seconds, as bash counts its children's.
    cpu_before=$(awk '{ print $14 + $15 + $16 + $17 }' /proc/$$/stat)
    nice -n 10 cmake --build "$work/build" --parallel 2 >>"$log" 2>&1 || qt_failed
    cpu=$((($(awk '{ print $14 + $15 + $16 + $17 }' /proc/$$/stat) - cpu_before) / $(getconf CLK_TCK)))
    cmake --install "$work/build" >>"$log" 2>&1 || qt_failed
    echo "qt: $steps build steps, $cpu CPU seconds, $(((SECONDS - started + 30) / 60)) minutes" | tee -a "$log" >&2
    # Qt's licence texts go with the game, with Debian's copyright file (which
    # names what Qt bundles) and where the source came from.
    cp -r "$work/qtbase/LICENSES" "$prefix/LICENSES"
    cp "$work/qtbase/debian/copyright" "$prefix/LICENSES/debian-copyright"
    cp "$dsc" "$prefix/"
    rm -rf "$work"
    echo "$recipe" >"$prefix/.recipe"
    echo "$prefix"
}
