# Lays out the web page in SITE: the page, the program, Qt's loader, the
# icon, and the licences under licences/. Copies only what changed.
#   cmake -DPROGRAM=.../kestavine.js -DPAGE=.../index.html -DQT_PREFIX=... -DSOURCE=... -DSITE=... -P site.cmake
cmake_minimum_required(VERSION 3.25)
get_filename_component(program_dir "${PROGRAM}" DIRECTORY)
get_filename_component(program_name "${PROGRAM}" NAME_WLE)

set(files
    "${PAGE}|index.html"
    "${PROGRAM}|${program_name}.js"
    "${program_dir}/${program_name}.wasm|${program_name}.wasm"
    "${program_dir}/qtloader.js|qtloader.js"
    "${SOURCE}/assets/icon/kestavine.ico|kestavine.ico"
    "${SOURCE}/LICENSE|licences/kestavine-MIT.txt"
    "${SOURCE}/assets/font/OFL.txt|licences/KestavineGothic-OFL-1.1.txt"
    "${QT_PREFIX}/LICENSES/GPL-3.0-only.txt|licences/Qt-GPL-3.0.txt"
    "${QT_PREFIX}/LICENSES/LGPL-3.0-only.txt|licences/Qt-LGPL-3.0.txt"
    "${QT_PREFIX}/LICENSES/debian-copyright|licences/Qt-copyright.txt"
    "${SOURCE}/packaging/web/qt-wasm-without-opengl.patch|licences/qt-wasm-without-opengl.patch"
    "${SOURCE}/packaging/web/qt-wasm-accessibility.patch|licences/qt-wasm-accessibility.patch"
    "/usr/share/doc/emscripten/copyright|licences/emscripten-copyright.txt"
    "/usr/share/doc/qt6-translations-l10n/copyright|licences/Qt-translations-copyright.txt")
file(MAKE_DIRECTORY "${SITE}/licences")
foreach(pair IN LISTS files)
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 from)
    list(GET pair 1 to)
    file(COPY_FILE "${from}" "${SITE}/${to}" ONLY_IF_DIFFERENT)
endforeach()

file(GLOB dsc "${QT_PREFIX}/*.dsc")
get_filename_component(dsc "${dsc}" NAME)
string(REGEX REPLACE "^qt6-base_(.*)\\.dsc$" "\\1" qt_version "${dsc}")
file(READ "/usr/share/emscripten/emscripten-version.txt" emscripten_version)
string(STRIP "${emscripten_version}" emscripten_version)
file(CONFIGURE OUTPUT "${SITE}/licences/README.txt" CONTENT
"kestavine is free software under the MIT licence (kestavine-MIT.txt). Its
font, Kestavine Gothic, is cut from Noto Sans CJK JP and is under the SIL Open
Font License 1.1 (KestavineGothic-OFL-1.1.txt).

kestavine.wasm and kestavine.js hold the game together with Qt ${qt_version}
(Qt Core, Qt Gui, Qt Widgets and Qt's platform plugin for WebAssembly), linked
statically, and qtloader.js is Qt's loader. Qt's WebAssembly platform plugin
and its loader are under the GNU GPL version 3 only (Qt-GPL-3.0.txt), the rest
of Qt under the GNU LGPL version 3 (Qt-LGPL-3.0.txt), so the page as a whole is
distributed under the GNU GPL version 3; the game's own code stays under the
MIT licence. Qt was built from Debian's source package qt6-base, version
${qt_version}, as Debian publishes it in its archive, with two changes to its
WebAssembly platform plugin: qt-wasm-without-opengl.patch, which lets it
build without OpenGL, and qt-wasm-accessibility.patch, which lets a
browser's screen reader follow the application. Qt-copyright.txt is that package's copyright file: it names the
libraries Qt bundles (zlib, libpng, PCRE2, FreeType, HarfBuzz, the DejaVu
fonts and others) and their licences. The game's source is published with it.
kestavine.wasm also holds Qt's Japanese translation of its own words
(qtbase_ja.qm, from Debian's qt6-translations-l10n), under the GNU GPL
version 3 with the Qt exception 1.0 (Qt-translations-copyright.txt).

The program was compiled with Debian's emscripten ${emscripten_version}, whose C and C++
libraries and JavaScript runtime it includes; emscripten-copyright.txt names
them and their licences (MIT, the University of Illinois/NCSA licence, and the
Apache licence 2.0 with LLVM exceptions).
" @ONLY)
