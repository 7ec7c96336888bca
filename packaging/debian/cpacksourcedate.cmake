# Read by CPack before it packs (CPACK_PROJECT_CONFIG_FILE): the package's
# files carry the source's date as it stands now, read here rather than when
# the build was configured, unless whoever packs sets SOURCE_DATE_EPOCH.
include(${CPACK_KESTAVINE_SOURCE_DIR}/cmake/SourceDateEpoch.cmake)
kestavine_source_date_epoch(${CPACK_KESTAVINE_SOURCE_DIR} epoch)
if(NOT epoch STREQUAL "")
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()
