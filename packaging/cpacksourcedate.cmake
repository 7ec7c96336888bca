# Read by CPack before it packs (CPACK_PROJECT_CONFIG_FILE). The package's
# files carry the source's date, as the build found it, unless whoever packs
# sets SOURCE_DATE_EPOCH.
if("$ENV{SOURCE_DATE_EPOCH}" STREQUAL "" AND CPACK_KESTAVINE_SOURCE_DATE_EPOCH)
    set(ENV{SOURCE_DATE_EPOCH} ${CPACK_KESTAVINE_SOURCE_DATE_EPOCH})
endif()
