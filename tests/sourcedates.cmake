# Reads SOURCE_DATE_EPOCH and a release date as the build and the packaging do.
#   SOURCE_DATE_EPOCH=... cmake -DDATE=YYYY-MM-DD -P sourcedates.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/SourceDateEpoch.cmake)
kestavine_check_source_date_epoch()
kestavine_release_epoch(${DATE} epoch)
