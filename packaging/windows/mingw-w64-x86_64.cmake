# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads, for
# std::thread and Qt's own threads). Qt's build copies this file beside the Qt
# it installs, and the game's build reaches it through Qt's own toolchain file.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(kestavine_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${kestavine_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${kestavine_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${kestavine_mingw}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${kestavine_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# No link time in the programs' headers, so that two builds give the same bytes.
set(CMAKE_EXE_LINKER_FLAGS_INIT -Wl,--no-insert-timestamp)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -Wl,--no-insert-timestamp)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -Wl,--no-insert-timestamp)
