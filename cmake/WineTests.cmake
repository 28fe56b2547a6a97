# Cross-built for Windows, the test programs run under Wine the way native ones run on Linux:
# CTest starts each through CMAKE_CROSSCOMPILING_EMULATOR, and WINEPATH finds the DLLs of the Qt
# built for Windows and of the compiler's runtime. Whoever runs ctest provides the X display
# (DISPLAY) and the Wine prefix (WINEPREFIX); scripts/wine-test.sh does both.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  # The wine wrapper would stop to ask for the 32-bit Wine.
  find_program(TOMBOLIX_WINE64 wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH REQUIRED)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TOMBOLIX_WINE64})
endif()

# Wine reads DOS paths; Z: is the Unix root. The list separator is escaped for CTest.
function(tombolix_dos_path out path)
  string(REPLACE "/" "\\" path "${path}")
  set(${out} "Z:${path}" PARENT_SCOPE)
endfunction()
set(wine_path "")
foreach(dir IN LISTS TOMBOLIX_DLL_DIRS)
  tombolix_dos_path(dos "${dir}")
  list(APPEND wine_path "${dos}")
endforeach()
list(JOIN wine_path "\\;" wine_path)
tombolix_dos_path(plugins "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}")

# Qt's offscreen platform does not build for Windows; the windows one draws on the display.
# Under zh_TW.UTF-8 Wine's ANSI code page is 950, which the Big5 tests need.
set(tombolix_test_environment
  "QT_QPA_PLATFORM=windows"
  "QT_PLUGIN_PATH=${plugins}"
  "WINEPATH=${wine_path}"
  "WINEDEBUG=-all"
  "LC_ALL=zh_TW.UTF-8")

# QtTest writes nothing to a pipe under Wine, so ctest would show no output: each test program
# logs to build-win/test-logs/NAME.txt instead, which scripts/wine-test.sh shows on a failure.
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/test-logs)
function(tombolix_test_arguments out name)
  tombolix_dos_path(log "${PROJECT_BINARY_DIR}/test-logs/${name}.txt")
  set(${out} -o "${log},txt" PARENT_SCOPE)
endfunction()
