# What the game's libraries share: whoever links one includes its headers by
# name, moc reads only the headers (the game declares its QObject classes
# there, so a changed unit needs no new look by moc), and the characters of
# its string literals go into the game's font.
function(kestavine_game_library target)
    target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    get_target_property(sources ${target} SOURCES)
    list(FILTER sources INCLUDE REGEX "\\.cpp$")
    set_source_files_properties(${sources} PROPERTIES SKIP_AUTOMOC ON)
    kestavine_list_font_characters(${target})
endfunction()
