#!/usr/bin/env bash
# Cross-builds Tombolix for 64-bit Windows into build-win/ and packs it there with the build's
# windows_packages target: Tombolix-<version>-win64.zip, the portable folder, and
# Tombolix-<version>-win64.msi, a per-machine installer. Installs what is missing, and builds Qt
# for Windows once per machine (scripts/build-qt-windows.sh). scripts/wine-test.sh tests it all.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
out=$PWD/build-win

# Beyond what the Linux build needs, which scripts/install-deps.sh installs too.
bash scripts/install-deps.sh \
    g++-mingw-w64-x86-64-posix mingw-w64-tools `# the cross compiler, windres and objdump` \
    libz-mingw-w64-dev `# zlib for Windows, which libzip's DLL loads` \
    wixl `# the installer` \
    wine64 imagemagick locales `# scripts/wine-test.sh`

qt=$(bash scripts/build-qt-windows.sh | tail -n 1)

cmake -S . -B "$out" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$qt" -DCMAKE_FIND_ROOT_PATH="$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DTOMBOLIX_WERROR=ON -DTOMBOLIX_BENCH=OFF
cmake --build "$out" --parallel "$(nproc)"
cmake --build "$out" --target windows_packages
