# The folders that hold the DLLs a cross-built program loads: Qt's, libzip's, the compiler's
# runtime (libstdc++, libgcc) and MinGW-w64's own (libwinpthread, and zlib1 from Debian's
# libz-mingw-w64). Whatever none of them holds is part of Windows. The runtime folder is named after the compiler's version (12-posix, 14-posix, ...), so
# the compiler is asked for it.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-libgcc-file-name
  OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
cmake_path(GET libgcc PARENT_PATH compiler_runtime)
set(TOMBOLIX_DLL_DIRS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" "${TOMBOLIX_LIBZIP_PREFIX}/bin"
  "${compiler_runtime}" "/usr/${TOMBOLIX_MINGW_TRIPLE}/lib")
