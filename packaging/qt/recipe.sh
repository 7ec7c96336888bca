# What the two Qt builds from source (tools/windows/qt.sh, tools/web/qt.sh)
# share, sourced by both: a work folder that a cut-short build goes on in,
# and the compiler flag that keeps the folder out of what is built.

# qt_work_resumable WORK RECIPE: whether WORK holds Qt's source unpacked and
# configured by RECIPE, so that its build can go on where it stopped.
qt_work_resumable() {
    [ "$(cat "$1/.recipe" 2>/dev/null)" = "$2" ] && [ -f "$1/build/build.ninja" ]
}

# qt_work_configured WORK RECIPE: marks WORK as configured by RECIPE.
qt_work_configured() {
    echo "$2" >"$1/.recipe"
}

# qt_prefix_map WORK: a CMake file, for Qt's CMAKE_PROJECT_INCLUDE, that has
# the compilers call WORK "." in what they write. A compile option of its own
# rather than a word in CMake's flags, so that WORK's path may hold spaces.
qt_prefix_map() {
    # shellcheck disable=SC2016 # CMake expands it: the file's own folder, WORK
    echo 'add_compile_options("-ffile-prefix-map=${CMAKE_CURRENT_LIST_DIR}=.")' >"$1/prefix-map.cmake"
    echo "$1/prefix-map.cmake"
}
