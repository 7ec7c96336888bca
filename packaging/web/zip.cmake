# Packs the web page in SITE into ZIP, under a folder kestavine/, every file
# dated at the source's date, so that two builds give the same bytes.
#   cmake -DPYTHON=... -DSOURCE=... -DSITE=... -DZIP=... -P zip.cmake
cmake_minimum_required(VERSION 3.25)
include(${SOURCE}/cmake/SourceDateEpoch.cmake)
kestavine_archive_epoch(${SOURCE} EPOCH)
execute_process(COMMAND "${PYTHON}" "${SOURCE}/packaging/makezip.py" "${SITE}" "${ZIP}" kestavine ${EPOCH}
                COMMAND_ERROR_IS_FATAL ANY)
