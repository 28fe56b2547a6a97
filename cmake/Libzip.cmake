# libzip, which reads the workbooks' zip container, built from this Debian release's own source by
# scripts/build-libzip.sh once per machine, when a build folder is configured.
# Linux links it statically, so that one .deb installs on Debian releases that have different
# libzip packages; Windows gets a DLL, which the program's folder carries with zlib's.
if(WIN32)
  set(flavour windows)
else()
  set(flavour linux)
endif()
execute_process(COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/build-libzip.sh ${flavour}
  OUTPUT_VARIABLE output OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
string(REGEX REPLACE ".*\n" "" TOMBOLIX_LIBZIP_PREFIX "${output}")
message(STATUS "libzip: ${TOMBOLIX_LIBZIP_PREFIX}")

# The static library's package names ZLIB::ZLIB without looking for it (libzip 1.7).
find_package(ZLIB REQUIRED)
# That prefix alone: not a libzip-dev installed on the machine, nor the folder of an older build
# that a reconfigured build folder remembers.
unset(libzip_DIR CACHE)
find_package(libzip CONFIG REQUIRED
  PATHS ${TOMBOLIX_LIBZIP_PREFIX} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
