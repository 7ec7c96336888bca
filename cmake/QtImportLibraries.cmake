# ld lays out a Windows program's imports in the order of the paths of the
# import libraries it reads, and Qt's lie wherever the builder keeps Qt:
# builders whose Qt folders sort differently against MinGW's own got
# different programs. Read through a link in the build folder, by a path
# relative to it, Qt's libraries sort after MinGW's whatever the folders.
set(kestavine_qt_libraries "${CMAKE_BINARY_DIR}/qt-lib")
file(CREATE_LINK "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBS}" "${kestavine_qt_libraries}" SYMBOLIC)
foreach(module Core Gui Widgets Test)
    if(NOT TARGET Qt6::${module})
        continue()
    endif()
    get_target_property(configurations Qt6::${module} IMPORTED_CONFIGURATIONS)
    foreach(configuration IN LISTS configurations)
        get_target_property(library Qt6::${module} IMPORTED_IMPLIB_${configuration})
        cmake_path(GET library FILENAME name)
        set_target_properties(Qt6::${module} PROPERTIES
            IMPORTED_IMPLIB_${configuration} "${kestavine_qt_libraries}/${name}")
    endforeach()
endforeach()
