# The source's date, in seconds since 1970, for the files of a package or an
# archive. Read where a package is made (CPack's config file, cmake -P), not
# when the build is configured, so that a commit alone rebuilds nothing.
#
# SOURCE_DATE_EPOCH where the builder sets it; else the last commit's time;
# else, in a release tarball (which has no history), the time git archive
# wrote into cmake/source-date-epoch. Empty, with a warning that says why,
# when there is none of them.

# Stops with an error when SOURCE_DATE_EPOCH is set to something other than
# a whole number of seconds that every archive made here can hold (a zip
# dates its files up to 2107; earlier than 1980 it says 1980): a date
# silently replaced, or a half-written zip, would be worse.
function(kestavine_check_source_date_epoch)
    set(epoch "$ENV{SOURCE_DATE_EPOCH}")
    if(epoch STREQUAL "")
        return()
    endif()
    # Ten digits at most, before comparing: CMake's numbers end at 64 bits.
    if(NOT epoch MATCHES "^[0-9]+$" OR epoch MATCHES "^0*[1-9][0-9]{10}" OR epoch GREATER 4354819199)
        message(FATAL_ERROR "SOURCE_DATE_EPOCH must be a whole number of seconds since 1970 "
                            "(UTC), up to 4354819199 (the end of 2107), such as 1765152000, not \"${epoch}\"")
    endif()
endfunction()

# kestavine_source_date_epoch(<source folder> <variable>)
function(kestavine_source_date_epoch source out)
    kestavine_check_source_date_epoch()
    if(NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
        set(${out} "$ENV{SOURCE_DATE_EPOCH}" PARENT_SCOPE)
        return()
    endif()

    set(epoch "")
    file(STRINGS ${source}/cmake/source-date-epoch archived LIMIT_COUNT 1)
    if(archived MATCHES "^[0-9]+$")
        set(epoch ${archived})
    endif()

    set(reason "git is not installed")
    find_program(KESTAVINE_GIT git)
    if(NOT epoch AND KESTAVINE_GIT)
        file(REAL_PATH ${source} source)
        # Git refuses a repository that another user owns unless told it is
        # safe. Building this source runs its own code anyway, so trusting
        # its repository to read one date adds nothing.
        set(git ${KESTAVINE_GIT} -c safe.directory=${source})
        execute_process(COMMAND ${git} rev-parse --show-toplevel
                        WORKING_DIRECTORY ${source}
                        OUTPUT_VARIABLE top ERROR_VARIABLE reason
                        OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_STRIP_TRAILING_WHITESPACE)
        # Only this project's own history: a tarball unpacked inside another
        # repository must not take that repository's last commit.
        if(top STREQUAL source)
            execute_process(COMMAND ${git} log -1 --format=%ct
                            WORKING_DIRECTORY ${source}
                            OUTPUT_VARIABLE epoch ERROR_VARIABLE reason
                            OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_STRIP_TRAILING_WHITESPACE)
        elseif(top)
            set(reason "the source is not a repository of its own (it lies inside ${top})")
        endif()
    endif()

    if(NOT epoch MATCHES "^[0-9]+$")
        message(WARNING "Found no date for the source in ${source}: no SOURCE_DATE_EPOCH, not a release "
                        "tarball, and git gave none (${reason}). The files take the time they are packed.")
        set(epoch "")
    endif()
    set(${out} "${epoch}" PARENT_SCOPE)
endfunction()

# kestavine_archive_epoch(<source folder> <variable>): the date an archive
# made here gives its files: the source's, or the time it is made when the
# source has none (the warning above says so).
function(kestavine_archive_epoch source out)
    kestavine_source_date_epoch(${source} epoch)
    if(epoch STREQUAL "")
        string(TIMESTAMP epoch "%s" UTC)
    endif()
    set(${out} ${epoch} PARENT_SCOPE)
endfunction()

# The date NEWS gives a release ("2026-12-07") as seconds since 1970 at noon
# UTC, the time the Debian changelog gives it too.
function(kestavine_release_epoch iso_date out)
    if(NOT iso_date MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
        message(FATAL_ERROR "A release date reads YYYY-MM-DD, not \"${iso_date}\"")
    endif()
    math(EXPR year "${CMAKE_MATCH_1}")
    math(EXPR month "${CMAKE_MATCH_2}")
    math(EXPR day "${CMAKE_MATCH_3}")
    # A day the calendar has: else the date would roll over into the next
    # month in some files and stand as written in others.
    set(month_days 31 28 31 30 31 30 31 31 30 31 30 31)
    set(last_day 0)
    if(month GREATER_EQUAL 1 AND month LESS_EQUAL 12)
        math(EXPR index "${month} - 1")
        list(GET month_days ${index} last_day)
        math(EXPR by4 "${year} % 4")
        math(EXPR by100 "${year} % 100")
        math(EXPR by400 "${year} % 400")
        if(month EQUAL 2 AND ((by4 EQUAL 0 AND NOT by100 EQUAL 0) OR by400 EQUAL 0))
            set(last_day 29)
        endif()
    endif()
    if(day LESS 1 OR day GREATER last_day)
        message(FATAL_ERROR "The release date \"${iso_date}\" is no day of the calendar")
    endif()
    # Days since 1970-01-01 in the proleptic Gregorian calendar, counting
    # years from March so that the leap day comes last.
    if(month LESS_EQUAL 2)
        math(EXPR year "${year} - 1")
        math(EXPR month "${month} + 9")
    else()
        math(EXPR month "${month} - 3")
    endif()
    math(EXPR days "365 * ${year} + ${year} / 4 - ${year} / 100 + ${year} / 400 + (153 * ${month} + 2) / 5 + ${day} - 1 - 719468")
    math(EXPR seconds "${days} * 86400 + 12 * 3600")
    set(${out} ${seconds} PARENT_SCOPE)
endfunction()
