# Qt's own words in the game's language: the context menu of a text box, the
# OK of a message, the actions a screen reader lists come from Qt, in
# English unless Qt is given its Japanese translation, which the game reads
# at run time where Qt keeps it (widgets/qtwords.cpp). The build lists the
# characters of the words the game shows, from the build machine's copy of
# that translation (Debian's qt6-translations-l10n, read with Qt's lconvert
# from qt6-l10n-tools), so that the game's font draws them.

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
    message(FATAL_ERROR "Qt's own words in Japanese come from qtbase_ja.qm (qt6-translations-l10n), read by "
                        "lconvert (qt6-l10n-tools): install both (bash tools/setup.sh does), or point "
                        "KESTAVINE_QT_JAPANESE and KESTAVINE_LCONVERT at them")
endif()

# Lists the characters of Qt's words for the game's font. Call it before
# kestavine_add_game_font().
function(kestavine_add_qt_words)
    set(characters ${KESTAVINE_FONT_DIR}/qtwords.txt)
    set(lister ${PROJECT_SOURCE_DIR}/cmake/qtjapanese.py)
    add_custom_command(
        OUTPUT ${characters}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${KESTAVINE_FONT_DIR}
        COMMAND ${KESTAVINE_PYTHON} ${lister} ${KESTAVINE_LCONVERT} ${KESTAVINE_QT_JAPANESE} ${characters}
        DEPENDS ${lister} ${KESTAVINE_QT_JAPANESE}
        COMMENT "Listing the characters of Qt's own words in Japanese"
        VERBATIM)
    set_property(GLOBAL APPEND PROPERTY KESTAVINE_FONT_LISTS ${characters})
endfunction()

# On Windows there is no system Qt to read the translation from: the game
# reads it from the translations folder beside the program
# (widgets/qtwords.cpp). A copy goes beside the programs built here, the game
# and its tests, which Qt's project set-up puts in one folder on Windows.
if(WIN32)
    configure_file(${KESTAVINE_QT_JAPANESE} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/translations/qtbase_ja.qm COPYONLY)
endif()
