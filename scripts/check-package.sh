#!/usr/bin/env bash
# Builds the .deb in a configured build folder and checks it the way a user would meet
# it: its dependencies resolve (apt-get simulates the install; nothing is installed), every file
# is in its place, the desktop entry, metainfo and manual page are valid, and the unpacked
# program starts on the example class, shows its window and ends when that window is closed.
# Exits non-zero if any check fails.
#
# Usage: scripts/check-package.sh BUILD-DIR
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/x11-search.sh"

app_id=org.example.Tombolix
window_title='Class Number Tombolix'
window_timeout=60 # seconds for the window to appear, and again for the program to end

# Run again under xvfb-run, in a display of its own: start, wait for the window, close it.
if [[ ${1-} == --inside-display ]]; then
    program=$2 closer=$3 class_dir=$4 log=$5
    cd "$class_dir" || exit 1
    # The xcb plugin is the one a desktop uses; the Depends line must have brought it in.
    QT_QPA_PLATFORM=xcb "$program" >"$log" 2>&1 &
    pid=$!
    window=$(wait_for_window "$window_timeout" --onlyvisible --name "^$window_title\$")
    if [[ -z $window ]]; then
        echo "no window titled '$window_title' within ${window_timeout}s" >&2
        kill -TERM "$pid" 2>/dev/null
        wait "$pid"
        exit 1
    fi
    owner=$(xdotool getwindowpid "$window" 2>/dev/null)
    if [[ $owner != "$pid" ]]; then
        echo "the window belongs to process '$owner', not to the started program ($pid)" >&2
        kill -TERM "$pid" 2>/dev/null
        exit 1
    fi
    echo "window $window shown by process $pid; closing it"
    if ! "$closer" "$window"; then
        kill -TERM "$pid" 2>/dev/null
        exit 1
    fi
    if ! timeout "$window_timeout" tail --pid="$pid" -s 0.2 -f /dev/null; then
        echo "still running ${window_timeout}s after its window was closed; ending it" >&2
        kill -KILL "$pid" 2>/dev/null
        exit 1
    fi
    wait "$pid"
    rc=$?
    echo "the program ended with exit status $rc"
    exit "$rc"
fi

if (($# != 1)) || [[ ! -f $1/CPackConfig.cmake ]]; then
    echo "usage: $0 BUILD-DIR (a configured build folder)" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
self=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/$(basename "${BASH_SOURCE[0]}")
root=$(cd "$(dirname "$self")/.." && pwd)

for tool in cmake cpack dpkg-deb apt-get lintian xvfb-run xdotool g++ od; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "check-package: $tool is missing; run scripts/install-deps.sh" >&2
        exit 1
    fi
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

failures=0
pass() { echo "ok      $*"; }
fail()
{
    echo "FAILED  $*"
    failures=$((failures + 1))
}

# --- Build the package. cpack packs what is in the build folder as it is, so bring it up to date
# first (nothing to do after a fresh build).
if ! cmake --build "$build"; then
    echo "check-package: building $build failed" >&2
    exit 1
fi
rm -f "$build"/tombolix_*.deb
if ! (cd "$build" && cpack -G DEB); then
    echo "check-package: cpack failed" >&2
    exit 1
fi
debs=("$build"/tombolix_*.deb)
if ((${#debs[@]} != 1)) || [[ ! -f ${debs[0]} ]]; then
    echo "check-package: expected one tombolix_*.deb in $build, found: ${debs[*]}" >&2
    exit 1
fi
deb=${debs[0]}
echo "package: $deb"
echo

# --- Control fields
field() { dpkg-deb -f "$deb" "$1"; }
version=$(sed -n 's/^project(Tombolix VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
if [[ $(field Package) == tombolix ]]; then
    pass "Package: tombolix"
else
    fail "Package: $(field Package)"
fi
if [[ -n $version && $(field Version) == "$version"-* ]]; then
    pass "Version: $(field Version)"
else
    fail "Version: '$(field Version)', the project's is '$version'"
fi
depends=$(field Depends)
# libqt6widgets6 and libc6 only appear when dpkg-shlibdeps has read the program.
if [[ $depends == *libqt6widgets6* && $depends == *libc6* && $depends == *qt6-qpa-plugins* ]]; then
    pass "Depends: $depends"
else
    fail "Depends lacks the shared libraries or the platform plugins: '$depends'"
fi
recommends=$(field Recommends)
if [[ $recommends == *fonts-arphic-ukai* && $recommends == *fonts-arphic-uming* ]]; then
    pass "Recommends: $recommends"
else
    fail "Recommends lacks the Chinese fonts: '$recommends'"
fi

# --- Dependencies resolve (a simulation: nothing is installed or removed)
if apt-get install --simulate "$deb" >"$tmp/apt.log" 2>&1; then
    if grep -q '^Remv ' "$tmp/apt.log"; then
        cat "$tmp/apt.log"
        fail "installing it would remove packages"
    else
        pass "apt-get install --simulate resolves its dependencies"
    fi
else
    cat "$tmp/apt.log"
    fail "apt-get install --simulate"
fi

# --- Every file in its place
unpacked=$tmp/root
mkdir -p "$unpacked"
if ! dpkg-deb -x "$deb" "$unpacked"; then
    echo "check-package: dpkg-deb -x failed" >&2
    exit 1
fi
usr=$unpacked/usr
hicolor=share/icons/hicolor
expected=(
    bin/tombolix
    "share/applications/$app_id.desktop"
    "share/metainfo/$app_id.metainfo.xml"
    "$hicolor/scalable/apps/$app_id.svg"
    share/man/man1/tombolix.1.gz
    share/doc/tombolix/README.md
    share/doc/tombolix/copyright
    share/doc/tombolix/changelog.Debian.gz
    share/lintian/overrides/tombolix
    share/doc/tombolix/examples/utf8/rand.ini
    share/doc/tombolix/examples/utf8/class.txt
    share/doc/tombolix/examples/big5/rand.ini
    share/doc/tombolix/examples/big5/class.txt
)
for size in 32 48 64 128 256; do
    expected+=("$hicolor/${size}x${size}/apps/$app_id.png")
done
for file in "${expected[@]}"; do
    if [[ -f $usr/$file && -s $usr/$file ]]; then
        pass "/usr/$file"
    else
        fail "/usr/$file is missing or empty"
    fi
done
[[ -x $usr/bin/tombolix ]] || fail "/usr/bin/tombolix is not executable"

# Nothing beyond /usr, and no test or benchmark program among the commands.
outside=$(cd "$unpacked" && find . -mindepth 1 -maxdepth 1 ! -name usr)
commands=$(cd "$usr/bin" && find . -mindepth 1 -printf '%P\n' | sort | tr '\n' ' ')
if [[ -z $outside && $commands == "tombolix " ]]; then
    pass "only /usr/bin/tombolix among the commands, nothing outside /usr"
else
    fail "unexpected files: ${outside:+outside /usr: $outside; }in /usr/bin: $commands"
fi

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for size in 32 48 64 128 256; do
    png=$usr/$hicolor/${size}x${size}/apps/$app_id.png
    [[ -f $png ]] || continue
    read -r -a bytes < <(od -An -tu1 -j16 -N8 "$png")
    width=$(((bytes[0] << 24) | (bytes[1] << 16) | (bytes[2] << 8) | bytes[3]))
    height=$(((bytes[4] << 24) | (bytes[5] << 16) | (bytes[6] << 8) | bytes[7]))
    if ((width == size && height == size)); then
        pass "icon ${size}x${size} is ${width}x${height}"
    else
        fail "icon in ${size}x${size}/ is ${width}x${height}"
    fi
done

# --- Desktop entry, metainfo and manual page are valid
desktop=$usr/share/applications/$app_id.desktop
metainfo=$usr/share/metainfo/$app_id.metainfo.xml
if command -v desktop-file-validate >/dev/null 2>&1; then
    if out=$(desktop-file-validate "$desktop" 2>&1) && [[ -z $out ]]; then
        pass "desktop-file-validate"
    else
        fail "desktop-file-validate: $out"
    fi
else
    echo "skipped desktop-file-validate (desktop-file-utils is not installed)"
fi
if command -v appstreamcli >/dev/null 2>&1; then
    # validate-tree also checks that the desktop entry named by the metainfo is installed.
    if appstreamcli validate --no-net "$metainfo" && appstreamcli validate-tree --no-net \
        "$unpacked"; then
        pass "appstreamcli validate --no-net, validate-tree --no-net"
    else
        fail "appstreamcli validate"
    fi
else
    echo "skipped appstreamcli validate (appstream is not installed)"
fi
if command -v man >/dev/null 2>&1; then
    if LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$usr/share/man/man1/tombolix.1.gz" \
        >"$tmp/man.txt" 2>"$tmp/man.err" && [[ ! -s $tmp/man.err ]] \
        && grep -q 'rand.ini' "$tmp/man.txt"; then
        pass "man --warnings renders the manual page cleanly"
    else
        cat "$tmp/man.err"
        fail "man --warnings on the manual page"
    fi
else
    echo "skipped the manual page check (man-db is not installed)"
fi

# --- Debian's own checker: no error and no warning.
if lintian --fail-on error,warning --display-info "$deb" >"$tmp/lintian.log" 2>&1; then
    pass "lintian: no error, no warning ($(grep -c '^I: ' "$tmp/lintian.log") notes)"
else
    cat "$tmp/lintian.log"
    fail "lintian reports errors or warnings"
fi

# --- The unpacked program starts on the example class and ends when its window is closed
if g++ -std=c++20 -O1 -o "$tmp/close_window" "$root/packaging/check/close_window.cpp" -lX11; then
    export XDG_RUNTIME_DIR=$tmp/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    if xvfb-run -a -s '-screen 0 1024x768x24' "$self" --inside-display "$usr/bin/tombolix" \
        "$tmp/close_window" "$usr/share/doc/tombolix/examples/utf8" "$tmp/program.log"; then
        pass "the unpacked tombolix showed its window on the example class and closed cleanly"
    else
        echo "--- program output:"
        cat "$tmp/program.log" 2>/dev/null
        fail "running the unpacked tombolix under Xvfb"
    fi
else
    fail "building packaging/check/close_window.cpp (needs libx11-dev)"
fi

echo
if ((failures > 0)); then
    echo "check-package: $failures check(s) failed"
    exit 1
fi
echo "check-package: all checks passed for $(basename "$deb")"
