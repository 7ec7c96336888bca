# Reads SOURCE_DATE_EPOCH and a release date as the build and the packaging do.
#   SOURCE_DATE_EPOCH=... cmake -DDATE=YYYY-MM-DD -DSECONDS=... -P sourcedates.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/SourceDateEpoch.cmake)
kestavine_check_source_date_epoch()
kestavine_release_epoch(${DATE} epoch)
if(NOT epoch EQUAL SECONDS)
    message(FATAL_ERROR "${DATE} read as ${epoch} seconds, not ${SECONDS}")
endif()
