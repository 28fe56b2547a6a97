#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from this Debian release's own qtbase source with MinGW-w64, once
# per machine, and prints its folder on the last line. The folder is named after the Qt version
# and a hash of the options and the toolchain, so a change to either builds a fresh one beside the
# old. TOMBOLIX_CACHE says where (default /var/cache/tombolix as root, else ~/.cache/tombolix).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD
source scripts/debian-source.sh

toolchain=$root/cmake/mingw-w64-x86_64.cmake
# The host Qt supplies moc, rcc and uic; the cross-built one must be the same version.
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/[+~-].*//')

options=(
    -xplatform win32-g++ -release -shared -nomake tests -nomake examples
    -no-dbus -no-opengl -no-icu -qt-zlib -qt-pcre -qt-libpng -no-libjpeg -no-harfbuzz
    -no-freetype -no-feature-sql -no-feature-network -no-feature-concurrent -no-feature-xml
    -no-feature-printsupport -no-feature-vulkan
    # Debian's source leaves out wintab.h.
    -no-feature-tabletevent
    # direct2d stays on: without it the windows platform plugin of 6.4.2 fails to link.
)
# 6.4.2 and 6.8.2 both take the options above; a Qt that needs others gets them here by version.
key=$( {
    printf '%s\n' "$qt_version" "${options[@]}"
    cat "$toolchain"
    x86_64-w64-mingw32-g++-posix --version | head -n 1
} | sha256sum | cut -c1-12)
prefix=$cache/qt-$qt_version-win64-$key

[[ ! -f $prefix/.complete ]] || { echo "build-qt-windows: reusing $prefix" >&2; echo "$prefix"; exit 0; }

work=$cache/work-$key
rm -rf "$work" && mkdir -p "$work/build"
src=$(unpack_source qt6-base "$(dpkg-query -W -f='${Version}' qt6-base-dev)" "$work")

echo "build-qt-windows: configuring (options key $key)" >&2
cd "$work/build"
"$src/configure" -prefix "$prefix" -qt-host-path /usr "${options[@]}" \
    -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >&2
echo "build-qt-windows: building with $(nproc) jobs" >&2
cmake --build . --parallel "$(nproc)" >&2
cmake --install . >&2
touch "$prefix/.complete"
cd "$cache" && rm -rf "$work"
echo "build-qt-windows: installed $prefix ($(du -sh "$prefix" | cut -f1))" >&2
echo "$prefix"
