# The game's font is cut at build time from the system's Noto Sans CJK JP
# down to the characters of the program's string literals
# (cmake/makegamefont.py), so a new caption is in it by the next build.
#
# How a character reaches the font:
# - One list, font/characters.txt, holds the characters of the string
#   literals of every game source. One command writes it,
#   `makegamefont.py --characters`, and leaves it untouched unless they changed.
# - The command runs within a step that an edit of a game source runs anyway,
#   so that an edit costs no step of its own: archiving a game library, or,
#   for the program's own units, which no library archives, a step beside
#   their compiling. Each run reads every game source: a header of one folder
#   may reach the program only through the units of another.
# - A run that rewrites the list touches a mark of its own,
#   font/changed/<target>, which is what the build tool follows: the font is
#   cut again, and embedded anew, only when a mark is newer than the font. An
#   edit that brings no new character costs no font work at all.

if(NOT KESTAVINE_WINDOWS)
    # The engine alone shows no text.
    function(kestavine_list_font_characters target)
    endfunction()
    return()
endif()

find_file(KESTAVINE_CJK_FONT NAMES NotoSansCJK-Regular.ttc NotoSansCJKjp-Regular.otf
          PATHS /usr/share/fonts PATH_SUFFIXES opentype/noto opentype/noto-cjk
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
          DOC "The font file (or collection) holding Noto Sans CJK JP Regular")
# Debian's python3 first: fontTools comes from python3-fonttools. Both are the
# build machine's, also when the game is cross-built for another system.
find_program(KESTAVINE_PYTHON NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
find_program(KESTAVINE_PYTHON NAMES python3 NO_CMAKE_FIND_ROOT_PATH)
execute_process(COMMAND ${KESTAVINE_PYTHON} -c "import fontTools.subset"
                RESULT_VARIABLE fonttools_missing OUTPUT_QUIET ERROR_QUIET)
if(NOT KESTAVINE_PYTHON OR fonttools_missing OR NOT EXISTS "${KESTAVINE_CJK_FONT}")
    message(FATAL_ERROR "The game's font is cut from Noto Sans CJK JP (fonts-noto-cjk) with fontTools "
                        "(python3-fonttools): install both (bash tools/setup.sh does), or point "
                        "KESTAVINE_CJK_FONT and KESTAVINE_PYTHON at them")
endif()

set(KESTAVINE_FONT_CUTTER ${PROJECT_SOURCE_DIR}/cmake/makegamefont.py)
set(KESTAVINE_FONT_DIR ${PROJECT_BINARY_DIR}/font)
set(KESTAVINE_FONT_CHARACTERS ${KESTAVINE_FONT_DIR}/characters.txt)

# The command that lists the characters, run in the given target's step. The
# game's sources are known only once every target is made; kestavine_gamefont
# holds them.
function(kestavine_font_listing target out)
    set(${out}
        ${KESTAVINE_PYTHON} ${KESTAVINE_FONT_CUTTER} --characters ${KESTAVINE_FONT_CHARACTERS}
        --mark ${KESTAVINE_FONT_DIR}/changed/${target}
        "$<TARGET_PROPERTY:kestavine_gamefont,KESTAVINE_GAME_SOURCES>"
        PARENT_SCOPE)
endfunction()

# Adds the target's sources to the game's, whose characters go into the font,
# and, for a library, lists them as it is archived. Call it where the target
# is made.
function(kestavine_list_font_characters target)
    get_target_property(sources ${target} SOURCES)
    # The target's own files: what the build generates for it (a resource's
    # code) holds none of the game's text.
    list(FILTER sources EXCLUDE REGEX "^${CMAKE_BINARY_DIR}/")
    list(TRANSFORM sources PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ REGEX "^[^/]")
    set_property(GLOBAL APPEND PROPERTY KESTAVINE_GAME_SOURCES ${sources})
    set_property(GLOBAL APPEND PROPERTY KESTAVINE_FONT_TARGETS ${target})
    get_target_property(type ${target} TYPE)
    if(NOT type STREQUAL "STATIC_LIBRARY")
        # Listed by a step of their own (kestavine_add_game_font).
        set_property(GLOBAL APPEND PROPERTY KESTAVINE_PROGRAM_SOURCES ${sources})
        return()
    endif()
    kestavine_font_listing(${target} listing)
    add_custom_command(TARGET ${target} PRE_LINK
        COMMAND ${listing}
        BYPRODUCTS ${KESTAVINE_FONT_DIR}/changed/${target}
        COMMAND_EXPAND_LISTS VERBATIM)
    set_property(GLOBAL APPEND PROPERTY KESTAVINE_FONT_LIBRARIES ${target})
endfunction()

# Makes kestavine_gamefont, which embeds the font, for the programs that show
# the game's windows; no library links it, since the font follows them all.
# Call it once every target has added its sources.
function(kestavine_add_game_font)
    add_library(kestavine_gamefont STATIC)
    get_property(sources GLOBAL PROPERTY KESTAVINE_GAME_SOURCES)
    set_property(TARGET kestavine_gamefont PROPERTY KESTAVINE_GAME_SOURCES ${sources})

    get_property(program_sources GLOBAL PROPERTY KESTAVINE_PROGRAM_SOURCES)
    kestavine_font_listing(kestavine listing)
    set(listed ${KESTAVINE_FONT_DIR}/program.listed)
    add_custom_command(
        OUTPUT ${listed}
        BYPRODUCTS ${KESTAVINE_FONT_DIR}/changed/kestavine
        COMMAND ${listing}
        COMMAND ${CMAKE_COMMAND} -E touch ${listed}
        DEPENDS ${KESTAVINE_FONT_CUTTER} ${program_sources}
        COMMAND_EXPAND_LISTS VERBATIM)
    # Every run is over before the font is cut; Makefiles need the order
    # said between targets, Ninja follows the files.
    get_property(libraries GLOBAL PROPERTY KESTAVINE_FONT_LIBRARIES)
    add_custom_target(kestavine_font_characters DEPENDS ${listed})
    add_dependencies(kestavine_font_characters ${libraries})

    get_property(targets GLOBAL PROPERTY KESTAVINE_FONT_TARGETS)
    list(TRANSFORM targets PREPEND ${KESTAVINE_FONT_DIR}/changed/ OUTPUT_VARIABLE marks)
    # Lists that other steps make of text the game shows but does not write:
    # Qt's own words (cmake/QtWords.cmake).
    get_property(other_lists GLOBAL PROPERTY KESTAVINE_FONT_LISTS)
    set(font ${KESTAVINE_FONT_DIR}/KestavineGothic-Regular.otf)
    add_custom_command(
        OUTPUT ${font}
        COMMAND ${KESTAVINE_PYTHON} ${KESTAVINE_FONT_CUTTER} ${KESTAVINE_CJK_FONT} ${font}
                ${KESTAVINE_FONT_CHARACTERS} ${other_lists}
        DEPENDS ${KESTAVINE_FONT_CUTTER} ${KESTAVINE_CJK_FONT} ${marks} ${other_lists}
        COMMENT "Making the game's font"
        VERBATIM)
    set_source_files_properties(${font} PROPERTIES QT_RESOURCE_ALIAS font/KestavineGothic-Regular.otf)
    qt_add_resources(kestavine_gamefont kestavine_font
        PREFIX /
        FILES ${font}
        OUTPUT_TARGETS resource_targets
    )
    foreach(resources IN LISTS resource_targets)
        add_dependencies(${resources} kestavine_font_characters)
    endforeach()
endfunction()
