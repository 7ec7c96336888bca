# The game's font is cut at build time from the system's Noto Sans CJK JP
# down to the characters of the program's string literals
# (tools/fontgen/makegamefont.py), so a new caption is in it by the next build.
#
# The characters are listed as part of archiving each game library, from the
# sources of them all: whatever literal reaches the program is in a unit of
# some library, and a changed unit archives its library again. A list is
# rewritten only when its characters change, and only then is the font cut
# again and embedded anew, so an ordinary edit costs no font work at all.

if(NOT KESTAVINE_WINDOWS)
    # The engine alone shows no text.
    function(kestavine_list_font_characters target)
    endfunction()
    return()
endif()

find_file(KESTAVINE_CJK_FONT NAMES NotoSansCJK-Regular.ttc NotoSansCJKjp-Regular.otf
          PATHS /usr/share/fonts PATH_SUFFIXES opentype/noto opentype/noto-cjk NO_DEFAULT_PATH
          DOC "The font file (or collection) holding Noto Sans CJK JP Regular")
# Debian's python3 first: fontTools comes from python3-fonttools.
find_program(KESTAVINE_PYTHON NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
find_program(KESTAVINE_PYTHON NAMES python3)
execute_process(COMMAND ${KESTAVINE_PYTHON} -c "import fontTools.subset"
                RESULT_VARIABLE fonttools_missing OUTPUT_QUIET ERROR_QUIET)
if(NOT KESTAVINE_PYTHON OR fonttools_missing OR NOT EXISTS "${KESTAVINE_CJK_FONT}")
    message(FATAL_ERROR "The game's font is cut from Noto Sans CJK JP (fonts-noto-cjk) with fontTools "
                        "(python3-fonttools): install both (bash tools/setup.sh does), or point "
                        "KESTAVINE_CJK_FONT and KESTAVINE_PYTHON at them")
endif()

set(KESTAVINE_FONT_CUTTER ${PROJECT_SOURCE_DIR}/tools/fontgen/makegamefont.py)
set(KESTAVINE_FONT_DIR ${PROJECT_BINARY_DIR}/font)

# Lists the characters of the game's string literals into font/<target>.txt:
# for a library each time it is archived, for the program when its own
# sources change. Call it where the target is made.
function(kestavine_list_font_characters target)
    get_target_property(sources ${target} SOURCES)
    list(TRANSFORM sources PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
    set_property(GLOBAL APPEND PROPERTY KESTAVINE_FONT_SOURCES ${sources})
    get_target_property(type ${target} TYPE)
    if(NOT type STREQUAL "STATIC_LIBRARY")
        # The program's own units, which no library archives: listed by a
        # step of their own (kestavine_add_game_font).
        set_property(GLOBAL APPEND PROPERTY KESTAVINE_FONT_PROGRAM_SOURCES ${sources})
        return()
    endif()
    set(list ${KESTAVINE_FONT_DIR}/${target}.txt)
    set_property(GLOBAL APPEND PROPERTY KESTAVINE_FONT_LISTS ${list})
    set_property(GLOBAL APPEND PROPERTY KESTAVINE_FONT_LIBRARIES ${target})
    # Every library reads every game source: a header of one folder may
    # reach the program only through the units of another.
    add_custom_command(TARGET ${target} PRE_LINK
        COMMAND ${KESTAVINE_PYTHON} ${KESTAVINE_FONT_CUTTER} --characters ${list} @${KESTAVINE_FONT_DIR}/sources.txt
        BYPRODUCTS ${list}
        VERBATIM)
endfunction()

# Makes kestavine_gamefont, which embeds the font, for the programs that show
# the game's windows; no library links it, since the font follows them all.
# Call it once every target has listed its characters.
function(kestavine_add_game_font)
    get_property(sources GLOBAL PROPERTY KESTAVINE_FONT_SOURCES)
    list(JOIN sources "\n" lines)
    # Written only when the sources change, which only a configure notices.
    file(CONFIGURE OUTPUT ${KESTAVINE_FONT_DIR}/sources.txt CONTENT "${lines}\n" @ONLY)

    get_property(program_sources GLOBAL PROPERTY KESTAVINE_FONT_PROGRAM_SOURCES)
    set(program_list ${KESTAVINE_FONT_DIR}/program.txt)
    add_custom_command(
        OUTPUT ${program_list}.stamp
        BYPRODUCTS ${program_list}
        COMMAND ${KESTAVINE_PYTHON} ${KESTAVINE_FONT_CUTTER} --characters ${program_list} ${program_sources}
        COMMAND ${CMAKE_COMMAND} -E touch ${program_list}.stamp
        DEPENDS ${KESTAVINE_FONT_CUTTER} ${program_sources}
        VERBATIM)
    # Every list is written before the font is cut; Makefiles need the
    # order said between targets, Ninja follows the files.
    get_property(libraries GLOBAL PROPERTY KESTAVINE_FONT_LIBRARIES)
    add_custom_target(kestavine_font_characters DEPENDS ${program_list}.stamp)
    add_dependencies(kestavine_font_characters ${libraries})

    get_property(lists GLOBAL PROPERTY KESTAVINE_FONT_LISTS)
    list(APPEND lists ${program_list})
    set(font ${KESTAVINE_FONT_DIR}/KestavineGothic-Regular.otf)
    add_custom_command(
        OUTPUT ${font}
        COMMAND ${KESTAVINE_PYTHON} ${KESTAVINE_FONT_CUTTER} ${KESTAVINE_CJK_FONT} ${font} ${lists}
        DEPENDS ${KESTAVINE_FONT_CUTTER} ${KESTAVINE_CJK_FONT} ${lists}
        COMMENT "Making the game's font"
        VERBATIM)
    set_source_files_properties(${font} PROPERTIES QT_RESOURCE_ALIAS font/KestavineGothic-Regular.otf)
    add_library(kestavine_gamefont STATIC)
    qt_add_resources(kestavine_gamefont kestavine_font
        PREFIX /
        FILES ${font}
        OUTPUT_TARGETS resource_targets
    )
    foreach(resources IN LISTS resource_targets)
        add_dependencies(${resources} kestavine_font_characters)
    endforeach()
endfunction()
