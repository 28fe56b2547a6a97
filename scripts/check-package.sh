#!/usr/bin/env bash
# Builds the .deb in a configured build folder (bash scripts/check-package.sh BUILD-DIR) and
# checks it the way a user would meet it: its dependencies, its files, lintian, and the unpacked
# program's window. Exits non-zero if any check fails.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/checks.sh"
app_id=org.example.Tombolix
window_timeout=60 # seconds for the window to appear, and again for the program to end

(($# == 1)) && [[ -f $1/CPackConfig.cmake ]] \
    || { echo "usage: $0 BUILD-DIR (a configured build folder)" >&2; exit 2; }
build=$(cd "$1" && pwd)
for tool in cmake cpack dpkg-deb apt-get lintian desktop-file-validate appstreamcli man file \
    Xvfb xdotool; do
    command -v "$tool" >/dev/null 2>&1 \
        || { echo "check-package: $tool is missing; run scripts/install-deps.sh" >&2; exit 1; }
done
tmp=$(mktemp -d) xvfb_pid=
trap '[[ -z $xvfb_pid ]] || kill "$xvfb_pid"; rm -rf "$tmp"' EXIT
# The package target brings the build folder up to date (cpack packs it as it is), close_window
# included, then runs cpack.
rm -f "$build"/tombolix_*.deb
cmake --build "$build" --target package \
    || { echo "check-package: building $build or its package failed" >&2; exit 1; }
debs=("$build"/tombolix_*.deb)
deb=${debs[0]}
if ((${#debs[@]} != 1)) || [[ ! -f $deb ]] || ! dpkg-deb -x "$deb" "$tmp/root"; then
    echo "check-package: expected one tombolix_*.deb in $build to unpack, found: ${debs[*]}" >&2
    exit 1
fi
printf 'package: %s\n\n' "$deb"
usr=$tmp/root/usr

# --- Control fields
field() { dpkg-deb -f "$deb" "$1"; }
starts_with() { [[ -n $2 && $1 == "$2"* ]]; }
# contains TEXT WORD...: TEXT holds every WORD.
contains() { local word; for word in "${@:2}"; do [[ $1 == *"$word"* ]] || return 1; done; }
lacks() { [[ $1 != *"$2"* ]]; }
version=$(sed -n 's/^project(Tombolix VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
check "Package: $(field Package) is tombolix" test "$(field Package)" = tombolix
check "Version: $(field Version) is the project's $version" \
    starts_with "$(field Version)" "$version-"
# libqt6widgets6, libc6 and zlib1g only appear when dpkg-shlibdeps has read the program.
check "Depends: $(field Depends) has the shared libraries and the platform plugins" \
    contains "$(field Depends)" libqt6widgets6 libc6 zlib1g qt6-qpa-plugins
# Each Debian release has a libzip package of its own; the static one keeps the .deb on all.
check "Depends names no libzip package" lacks "$(field Depends)" libzip
check "Recommends: $(field Recommends) has the Chinese fonts" \
    contains "$(field Recommends)" fonts-arphic-ukai fonts-arphic-uming

# --- Dependencies resolve (a simulation: nothing is installed or removed)
resolves()
{
    apt-get install --simulate "$deb" >"$tmp/apt.log" 2>&1 && ! grep -q '^Remv ' "$tmp/apt.log"
}
check "apt-get install --simulate resolves its dependencies and removes nothing" resolves \
    || cat "$tmp/apt.log"

# --- Exactly these files: nothing outside /usr, no test or benchmark program among the commands
hicolor=share/icons/hicolor
expected=(
    bin/tombolix
    "share/applications/$app_id.desktop"
    "share/metainfo/$app_id.metainfo.xml"
    "$hicolor"/{32x32,48x48,64x64,128x128,256x256}/apps/"$app_id".png
    "$hicolor/scalable/apps/$app_id.svg"
    share/man/man1/tombolix.1.gz
    share/lintian/overrides/tombolix
    share/doc/tombolix/{README.md,copyright,changelog.Debian.gz}
    share/doc/tombolix/examples/{utf8,big5}/{rand.ini,class.txt}
    share/doc/tombolix/examples/workbook/{rand.ini,class.xlsx}
)
files=$(cd "$tmp/root" && find . -type f -printf '%P\n' | sort)
check "the package holds exactly the ${#expected[@]} files of /usr it should" \
    same_text "$(printf 'usr/%s\n' "${expected[@]}" | sort)" "$files"
check "no file in it is empty" test -z "$(find "$tmp/root" -type f -empty)"
check "/usr/bin/tombolix is executable" test -x "$usr/bin/tombolix"
png_size() { file -b "$1" | grep -q "^PNG image data, $2 x $2,"; }
for size in 32 48 64 128 256; do
    check "icon ${size}x${size} is ${size} x ${size} pixels" \
        png_size "$usr/$hicolor/${size}x${size}/apps/$app_id.png" "$size"
done

# --- Desktop entry, metainfo and manual page are valid; Debian's own checker is content.
silent() { "$@" >"$tmp/out.log" 2>&1 && [[ ! -s $tmp/out.log ]]; }
check "desktop-file-validate" \
    silent desktop-file-validate "$usr/share/applications/$app_id.desktop" || cat "$tmp/out.log"
# validate-tree also checks that the desktop entry named by the metainfo is installed.
appstream_valid()
{
    appstreamcli validate --no-net "$usr/share/metainfo/$app_id.metainfo.xml" \
        && appstreamcli validate-tree --no-net "$tmp/root"
}
check "appstreamcli validate --no-net, validate-tree --no-net" appstream_valid
man_page()
{
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$usr/share/man/man1/tombolix.1.gz" \
        >"$tmp/man.txt" 2>"$tmp/man.err" && [[ ! -s $tmp/man.err ]] \
        && grep -q rand.ini "$tmp/man.txt"
}
check "man --warnings renders the manual page cleanly" man_page || cat "$tmp/man.err"
lintian_clean() { lintian --fail-on error,warning --display-info "$deb" >"$tmp/lintian.log" 2>&1; }
check "lintian: no error, no warning" lintian_clean || cat "$tmp/lintian.log"
echo "      lintian: $(grep -c '^I: ' "$tmp/lintian.log") notes"

# --- The unpacked program starts on the example class and ends when its window is closed, by
# the WM_DELETE_WINDOW message of a window manager's close button (Xvfb runs none).
closes_cleanly()
{
    local pid window owner rc closer=$build/packaging/close_window
    [[ -x $closer ]] || { echo "      no $closer (libx11-dev)"; return 1; }
    # The xcb plugin is the one a desktop uses; the Depends line must have brought it in.
    (cd "$usr/share/doc/tombolix/examples/utf8" && QT_QPA_PLATFORM=xcb exec "$usr/bin/tombolix") \
        >"$tmp/program.log" 2>&1 &
    pid=$!
    window=$(wait_for_window "$window_timeout" --onlyvisible --name "^$window_title\$")
    owner=$(xdotool getwindowpid "$window" 2>/dev/null)
    if [[ -z $window || $owner != "$pid" ]] || ! "$closer" "$window"; then
        echo "      no window titled '$window_title' of process $pid closed (owner: '$owner')"
        kill -KILL "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
        return 1
    fi
    wait_for_exit "$window_timeout" "$pid"
    rc=$?
    echo "      window $window of process $pid closed; the program ended with exit status $rc"
    return "$rc"
}
export XDG_RUNTIME_DIR=$tmp/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
start_xvfb 1024x768x24 || exit 1
check "the unpacked tombolix showed its window on the example class and closed cleanly" \
    closes_cleanly || cat "$tmp/program.log"

echo
((checks_failed == 0)) || { echo "check-package: $checks_failed check(s) failed"; exit 1; }
echo "check-package: all $checks_passed checks passed for $(basename "$deb")"
