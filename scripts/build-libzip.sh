#!/usr/bin/env bash
# Builds libzip from Debian's source, once per machine, and prints its folder on the last line.
# Every build links the same one, Debian 12's: the Debian 12 package must run on Debian 13 too, and
# Debian 13's libzip source is not on every mirror. Its files come from the archive's pool, checked
# against the sums below. FLAVOUR linux: a static, position-independent library on the system's
# zlib, so the .deb depends on no one release's libzip. FLAVOUR windows: a DLL cross-built with
# MinGW-w64 on Debian's zlib for Windows. Workbooks need only deflate, so bzip2, lzma, zstd and
# encryption are left out. cmake/Libzip.cmake runs this when a build folder is configured; the
# folder is named and kept as scripts/build-qt-windows.sh keeps Qt's.
#   bash scripts/build-libzip.sh linux|windows
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD
source scripts/debian-source.sh # the cache folder
flavour=${1-}
# The build folder's compiler and flags are not this library's, and are not in the key.
unset CC CXX CFLAGS CXXFLAGS LDFLAGS CMAKE_TOOLCHAIN_FILE

options=(
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_LIBDIR=lib
    -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF
    -DENABLE_COMMONCRYPTO=OFF -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF -DENABLE_OPENSSL=OFF
    -DENABLE_WINDOWS_CRYPTO=OFF
    -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_OSSFUZZ=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF
)
case $flavour in
linux)
    options+=(-DBUILD_SHARED_LIBS=OFF -DCMAKE_POSITION_INDEPENDENT_CODE=ON)
    compiler=cc toolchain=/dev/null ;;
windows)
    toolchain=$root/cmake/mingw-w64-x86_64.cmake
    options+=(-DBUILD_SHARED_LIBS=ON -DCMAKE_TOOLCHAIN_FILE="$toolchain")
    compiler=x86_64-w64-mingw32-gcc-posix ;;
*) echo "usage: $0 linux|windows" >&2; exit 2 ;;
esac

mkdir -p "$cache"
# Two build folders configured at once would build into the same work folder.
exec 9>"$cache/libzip.lock" && flock 9
version=1.7.3-1
pool=${TOMBOLIX_DEBIAN_POOL:-http://deb.debian.org/debian/pool/main}/libz/libzip
sums=(
    2b905c3e6277bb4ae62c4464c5c7bbbd6661715d5b3c0f94523c34df6d1f4d1e:libzip_$version.dsc
    a60473ffdb7b4260c08bfa19c2ccea0438edac11193c3afbbb1f17fbcf6c6132:libzip_${version%-*}.orig.tar.xz
    40e53fe29b6572f6a7e68d274e759487a72d44a8cb46bf4483f990b9b5683cae:libzip_$version.debian.tar.xz
)
key=$( {
    printf '%s\n' "$version" "$flavour" "${options[@]}"
    cat "$toolchain"
    "$compiler" --version | head -n 1
} | sha256sum | cut -c1-12)
prefix=$cache/libzip-$version-$flavour-$key

[[ ! -f $prefix/.complete ]] || { echo "build-libzip: reusing $prefix" >&2; echo "$prefix"; exit 0; }

work=$cache/work-libzip-$key
rm -rf "$work" "$prefix" && mkdir -p "$work"
for entry in "${sums[@]}"; do
    # apt's own downloader, which every Debian has, refuses a file whose sum differs.
    /usr/lib/apt/apt-helper download-file "$pool/${entry#*:}" "$work/${entry#*:}" \
        "SHA256:${entry%%:*}" >&2
done
dpkg-source --no-check -x "$work/libzip_$version.dsc" "$work/libzip" >&2
src=$work/libzip
echo "build-libzip: building the $flavour flavour (options key $key)" >&2
cmake -S "$src" -B "$work/build" -G Ninja -Wno-dev -DCMAKE_INSTALL_PREFIX="$prefix" \
    "${options[@]}" >&2
cmake --build "$work/build" >&2
cmake --install "$work/build" >&2
# Its licence asks that binaries carry its notice; the packages take it from here.
install -D -m 644 "$src/LICENSE" "$prefix/share/doc/libzip/LICENSE"
touch "$prefix/.complete"
rm -rf "$work"
echo "build-libzip: installed $prefix" >&2
echo "$prefix"
