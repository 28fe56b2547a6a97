# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads, which Qt needs for
# std::thread and friends). Used for Qt itself and for the program; the program's build adds the
# Qt prefix to CMAKE_FIND_ROOT_PATH on its command line.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TOMBOLIX_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TOMBOLIX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOMBOLIX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TOMBOLIX_MINGW_TRIPLE}-windres)

list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TOMBOLIX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
