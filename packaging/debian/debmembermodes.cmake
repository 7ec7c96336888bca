# Run by CPack once it has packed (CPACK_POST_BUILD_SCRIPTS). A .deb is an ar
# archive, and CPack gives its three members the modes that the packer's umask
# left their files; dpkg-deb writes 100644 whatever the umask, and so does this,
# in place, so that the package's bytes do not depend on the umask.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "\\.deb$")
        continue()
    endif()
    set(mode_file ${package}.mode)
    file(WRITE ${mode_file} "100644  ")
    file(SIZE ${package} size)
    # Each member: a 60-byte header (mode at 40, size at 48), its data, and a
    # byte of padding after odd sizes. The archive's magic takes the first 8.
    set(header 8)
    while(header LESS size)
        math(EXPR mode_at "${header} + 40")
        math(EXPR size_at "${header} + 48")
        file(READ ${package} mode OFFSET ${mode_at} LIMIT 8)
        file(READ ${package} member_size OFFSET ${size_at} LIMIT 10)
        # (file(READ) ends a text it reads with LIMIT in a newline of its own.)
        string(STRIP "${mode}" mode)
        string(STRIP "${member_size}" member_size)
        if(NOT mode MATCHES "^100[0-7][0-7][0-7]$" OR NOT member_size MATCHES "^[0-9]+$")
            message(FATAL_ERROR "${package}: no ar member header at byte ${header}")
        endif()
        execute_process(COMMAND dd of=${package} bs=1 seek=${mode_at} conv=notrunc status=none
                        INPUT_FILE ${mode_file} COMMAND_ERROR_IS_FATAL ANY)
        math(EXPR header "${header} + 60 + ${member_size} + ${member_size} % 2")
    endwhile()
    file(REMOVE ${mode_file})
endforeach()
