#!/usr/bin/env bash
# Installs through apt what the build, the tests and the program need on Debian 12 and 13, and the
# packages named as arguments; as root (as CI runs) or through sudo. Does nothing when all is
# there, so the other scripts call it every time.
set -euo pipefail

packages=(
    g++                  # compiler, with the AddressSanitizer and UBSan runtimes
    cmake
    ninja-build
    qt6-base-dev         # Qt Core, Gui, Widgets, Test and their CMake packages (pulls the GL headers)
    qt6-base-dev-tools   # moc
    qt6-qpa-plugins      # the xcb and offscreen platform plugins
    libgl-dev            # Qt6Gui's CMake package looks for OpenGL
    clang-format         # the format check in scripts/test.sh
    clang libclang-rt-dev # scripts/fuzz.sh: clang with libFuzzer and its sanitizer runtimes, default version
    xvfb xauth           # xvfb-run, for starting the window without a display
    fonts-arphic-ukai fonts-arphic-uming fonts-dejavu-core # Chinese names and the captions
    pkgconf libxcb-damage0-dev # scripts/bench.sh: the first-paint probe (and xdotool below)
    libzip-dev zipcmp zipmerge ziptool # workbook rosters (libzip-dev's CMake package names the tools)
    dpkg-dev file        # cpack: dpkg-shlibdeps reads the program's libraries, finding it with file
    lintian appstream desktop-file-utils man-db libx11-dev xdotool # scripts/check-package.sh
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    [[ $(dpkg-query -W -f='${Status}' "$package" 2>/dev/null) == "install ok installed" ]] \
        || missing+=("$package")
done

((${#missing[@]} > 0)) || { echo "install-deps: all packages present"; exit 0; }

as_root=()
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null 2>&1 \
        || { echo "install-deps: missing ${missing[*]}; run as root or install sudo" >&2; exit 1; }
    as_root=(sudo)
fi

echo "install-deps: installing ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}" </dev/null
