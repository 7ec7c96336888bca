# Lays the game out for Windows as Qt's deployment tool would, in STAGE:
# kestavine.exe, the DLLs it needs beside it (found by reading the import
# tables, recursively, from the exe and the plugins Qt loads at run time), the
# plugins in their folders, and the licence texts under licences/; and packs
# that into ZIP. Everything is stripped and dated at the source's date, so two
# builds give the same bytes.
#   cmake -DPROGRAM=... -DQT_PREFIX=... -DRUNTIME_DIRS=DIR|DIR... -DOBJDUMP=... -DSTRIP=...
#         -DPYTHON=... -DSOURCE=... -DSTAGE=... -DFILES=... -DQT_JAPANESE=... -DZIP=... -P bundle.cmake
# FILES is the installer's file lists (see the end).
cmake_minimum_required(VERSION 3.25)
include(${SOURCE}/cmake/SourceDateEpoch.cmake)
kestavine_archive_epoch(${SOURCE} EPOCH)

# The plugins Qt loads by name: the platform, the icon reader and the Windows
# 10/11 style, whose name changes with Qt's version (qwindowsvistastyle, then
# qmodernwindowsstyle from Qt 6.7); Qt is built with that one style only.
file(GLOB styles RELATIVE "${QT_PREFIX}/plugins" "${QT_PREFIX}/plugins/styles/*.dll")
if(NOT styles)
    message(FATAL_ERROR "${QT_PREFIX} has no style plugin for Windows")
endif()
set(plugins platforms/qwindows.dll imageformats/qico.dll ${styles})

file(REMOVE_RECURSE "${STAGE}")
file(MAKE_DIRECTORY "${STAGE}")
file(COPY_FILE "${PROGRAM}" "${STAGE}/kestavine.exe")
set(pending "${STAGE}/kestavine.exe")
foreach(plugin IN LISTS plugins)
    get_filename_component(folder ${plugin} DIRECTORY)
    file(MAKE_DIRECTORY "${STAGE}/${folder}")
    file(COPY_FILE "${QT_PREFIX}/plugins/${plugin}" "${STAGE}/${plugin}")
    list(APPEND pending "${STAGE}/${plugin}")
endforeach()

# Qt's own words in Japanese, which the game reads from beside it.
file(MAKE_DIRECTORY "${STAGE}/translations")
file(COPY_FILE "${QT_JAPANESE}" "${STAGE}/translations/qtbase_ja.qm")

# A DLL that Qt or the compiler brings goes beside the exe; any other is the
# system's.
string(REPLACE "|" ";" runtime_dirs "${RUNTIME_DIRS}")
set(search "${QT_PREFIX}/bin" ${runtime_dirs})
set(bundled "")
while(pending)
    list(POP_FRONT pending binary)
    execute_process(COMMAND "${OBJDUMP}" -p "${binary}" OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
    foreach(import IN LISTS imports)
        string(REPLACE "DLL Name: " "" dll "${import}")
        if(dll IN_LIST bundled)
            continue()
        endif()
        foreach(folder IN LISTS search)
            if(EXISTS "${folder}/${dll}")
                file(COPY_FILE "${folder}/${dll}" "${STAGE}/${dll}")
                list(APPEND bundled ${dll})
                list(APPEND pending "${STAGE}/${dll}")
                break()
            endif()
        endforeach()
    endforeach()
endwhile()

# The licences: the game's, its font's, Qt's with where its source came from
# (and Wine's for the Wintab headers Qt was built with), and the GCC and
# MinGW-w64 runtime libraries'.
set(licences "${STAGE}/licences")
file(MAKE_DIRECTORY "${licences}")
foreach(pair
        "${SOURCE}/LICENSE|kestavine-MIT.txt"
        "${SOURCE}/assets/font/OFL.txt|KestavineGothic-OFL-1.1.txt"
        "${QT_PREFIX}/LICENSES/LGPL-3.0-only.txt|Qt-LGPL-3.0.txt"
        "${QT_PREFIX}/LICENSES/GPL-3.0-only.txt|Qt-GPL-3.0.txt"
        "${QT_PREFIX}/LICENSES/debian-copyright|Qt-copyright.txt"
        "/usr/share/doc/qt6-translations-l10n/copyright|Qt-translations-copyright.txt"
        "/usr/share/common-licenses/LGPL-2.1|Wine-wintab-LGPL-2.1.txt"
        "/usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright|GCC-runtime-libraries.txt"
        "/usr/share/doc/mingw-w64-x86-64-dev/copyright|MinGW-w64-winpthreads.txt")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 from)
    list(GET pair 1 to)
    file(COPY_FILE "${from}" "${licences}/${to}")
endforeach()
file(GLOB dsc "${QT_PREFIX}/*.dsc")
get_filename_component(dsc "${dsc}" NAME)
string(REGEX REPLACE "^qt6-base_(.*)\\.dsc$" "\\1" qt_version "${dsc}")
execute_process(COMMAND dpkg-query -W "-f=\${source:Package}, version \${source:Version}" qt6-translations-l10n
                OUTPUT_VARIABLE translations_source COMMAND_ERROR_IS_FATAL ANY)
file(WRITE "${licences}/README.txt"
"kestavine is free software under the MIT licence (kestavine-MIT.txt). Its
font, Kestavine Gothic, is cut from Noto Sans CJK JP and is under the SIL Open
Font License 1.1 (KestavineGothic-OFL-1.1.txt).

Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll and the plugins in platforms/, styles/
and imageformats/ are Qt ${qt_version}, under the GNU LGPL version 3
(Qt-LGPL-3.0.txt, which builds on Qt-GPL-3.0.txt), built unmodified from
Debian's source package qt6-base, version ${qt_version}, as Debian
publishes it in its archive. Qt-copyright.txt is that package's copyright
file: it names the libraries Qt bundles (zlib, libpng, PCRE2, FreeType,
HarfBuzz and others) and their licences. You may replace these DLLs with
your own build of Qt ${qt_version}. Debian's source leaves out two Wintab
headers that Qt's windows plugin is compiled with; Wine's wintab.h and
pktdef.h (GNU LGPL 2.1 or later, Wine-wintab-LGPL-2.1.txt) took their place.

translations/qtbase_ja.qm is Qt's Japanese translation of its own words (a
text box's menu, a message's OK), which the game reads at start, unmodified
from Debian's package qt6-translations-l10n, made from Debian's source
package ${translations_source}. It is under the GNU GPL version 3
(Qt-GPL-3.0.txt) with The Qt Company GPL Exception 1.0, as
Qt-translations-copyright.txt says.

libstdc++-6.dll, libgcc_s_seh-1.dll and libssp-0.dll are GCC's runtime
libraries, under the GNU GPL version 3 with the GCC Runtime Library Exception
(GCC-runtime-libraries.txt). libwinpthread-1.dll is MinGW-w64's winpthreads,
under the MIT (Expat) and BSD licences written in MinGW-w64-winpthreads.txt,
which also covers the start-up code MinGW-w64 links into every program.
")

# No symbols, and one date on everything, the source's.
file(GLOB_RECURSE binaries "${STAGE}/*.exe" "${STAGE}/*.dll")
foreach(binary IN LISTS binaries)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E env SOURCE_DATE_EPOCH=${EPOCH}
                            "${STRIP}" --strip-unneeded "${binary}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
file(GLOB_RECURSE everything LIST_DIRECTORIES true "${STAGE}/*")
execute_process(COMMAND touch -h -d @${EPOCH} "${STAGE}" ${everything} COMMAND_ERROR_IS_FATAL ANY)

# The installer's file lists.
include(${CMAKE_CURRENT_LIST_DIR}/filelists.cmake)

execute_process(COMMAND "${PYTHON}" "${SOURCE}/packaging/makezip.py" "${STAGE}" "${ZIP}" kestavine ${EPOCH}
                COMMAND_ERROR_IS_FATAL ANY)
