# Qt's own words in the game's language: the context menu of a text box, the
# OK of a message, the actions a screen reader lists come from Qt, in
# English unless Qt is given its Japanese translation. The build takes the
# part of it the game shows from Debian's qt6-translations-l10n with Qt's
# lconvert (qt6-l10n-tools), both the build machine's (their Qt is the
# version the game is built against, also when it is cross-built), and embeds
# it, so that every locale and every system gets the same words. Their
# characters go into the game's font.

if(NOT KESTAVINE_WINDOWS)
    return()
endif()

find_file(KESTAVINE_QT_JAPANESE NAMES qtbase_ja.qm
          PATHS ${QT_HOST_PATH}/share/qt6/translations /usr/share/qt6/translations
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
          DOC "Qt's Japanese translation of qtbase")
find_program(KESTAVINE_LCONVERT NAMES lconvert lconvert-qt6
             PATHS ${QT_HOST_PATH}/lib/qt6/bin /usr/lib/qt6/bin NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT EXISTS "${KESTAVINE_QT_JAPANESE}" OR NOT KESTAVINE_LCONVERT)
    message(FATAL_ERROR "Qt's own words in Japanese come from qtbase_ja.qm (qt6-translations-l10n) by "
                        "lconvert (qt6-l10n-tools): install both (bash tools/setup.sh does), or point "
                        "KESTAVINE_QT_JAPANESE and KESTAVINE_LCONVERT at them")
endif()

# Makes kestavine_qtwords, which embeds the translation at
# :/translations/qtbase_ja.qm, and lists its characters for the font. Call it
# before kestavine_add_game_font().
function(kestavine_add_qt_words)
    set(dir ${PROJECT_BINARY_DIR}/qtwords)
    set(translation ${dir}/qtbase_ja.qm)
    set(characters ${KESTAVINE_FONT_DIR}/qtwords.txt)
    set(maker ${PROJECT_SOURCE_DIR}/tools/qtwords/qtjapanese.py)
    add_custom_command(
        OUTPUT ${translation} ${characters}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir} ${KESTAVINE_FONT_DIR}
        COMMAND ${KESTAVINE_PYTHON} ${maker} ${KESTAVINE_LCONVERT} ${KESTAVINE_QT_JAPANESE} ${translation} ${characters}
        DEPENDS ${maker} ${KESTAVINE_QT_JAPANESE}
        COMMENT "Taking Qt's own words in Japanese"
        VERBATIM)
    set_property(GLOBAL APPEND PROPERTY KESTAVINE_FONT_LISTS ${characters})
    set_source_files_properties(${translation} PROPERTIES QT_RESOURCE_ALIAS translations/qtbase_ja.qm)
    add_library(kestavine_qtwords STATIC)
    qt_add_resources(kestavine_qtwords kestavine_qtwords
        PREFIX /
        FILES ${translation}
    )
endfunction()
